#pragma once

#include "CanvasExport.h"

#include <QImage>
#include <QString>

// Largest page side in pixels; larger pages are refused before their pixels
// are allocated.
inline constexpr int MaxPageSide = 32767;

// Reads a page image with its exact 8-bit red, green and blue values: no
// dithering, no colour management, no automatic rotation. Palette-based BMP,
// GIF and PNG pages come out with their palette entries' exact values.
// Returns a Format_RGB32 image, or a null image when the file is missing,
// unreadable, of a format no reader knows, or larger than MaxPageSide.
RKV3CANVAS_EXPORT QImage ReadPageImage(const QString& path);
