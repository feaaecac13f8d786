#pragma once

#include "CanvasExport.h"

#include <QImage>
#include <QSize>
#include <QString>

// Largest page side in pixels; larger pages are refused before their pixels
// are allocated.
inline constexpr int MaxPageSide = 32767;

// Bytes a page costs per pixel in its two full-size surfaces, the loader
// and the buffer (32 bits a pixel each).
inline constexpr qint64 PageSurfaceBytesPerPixel = 8;

// The most bytes a page's surfaces may take: a quarter of the machine's
// memory, and never more than 2 GiB. A3 at 600 pixels per inch (7016 x 9921,
// 0.56 GB) fits on any machine of 4 GB; a downloaded file that declares
// 20000 x 20000 pixels (3.2 GB) is refused everywhere.
RKV3CANVAS_EXPORT qint64 PageSurfaceBudget();

// Lowers (or, with 0, restores) the budget, for a host that runs in less
// memory than the machine has: a sandbox, a container, a fuzzing harness.
RKV3CANVAS_EXPORT void SetPageSurfaceBudget(qint64 bytes);

// True when a page of this size may be loaded: both sides from 1 to
// MaxPageSide and its surfaces within PageSurfaceBudget().
RKV3CANVAS_EXPORT bool PageSizeAllowed(QSize size);

// Reads a page image with its exact 8-bit red, green and blue values: no
// dithering, no colour management, no automatic rotation. Palette-based BMP,
// GIF and PNG pages come out with their palette entries' exact values.
// Only a regular file is read. The size the file's header declares is
// checked against PageSizeAllowed before any pixel is decoded.
// Returns a Format_RGB32 image, or a null image when the file is missing,
// no regular file, unreadable, of a format no reader knows, or too large.
RKV3CANVAS_EXPORT QImage ReadPageImage(const QString& path);
