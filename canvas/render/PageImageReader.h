#pragma once

#include "render/CanvasExport.h"
#include "render/PageBudget.h"

#include <QImage>
#include <QString>

// The most bytes a page of this size holds at one time while it is read and
// shown: the decoded picture (decodedBitsPerPixel a pixel) with the decoder's
// own memory (decoderBytes), then that picture with its 32-bit copy unless
// it is 32-bit RGB already, then the two 32-bit surfaces. The region run
// index comes on top of the surfaces when it is built (RunIndexRoom).
RKV3CANVAS_EXPORT qint64 PageReadCost(QSize size, int decodedBitsPerPixel, qint64 decoderBytes);

// What is left of PageSurfaceBudget() for the region run index of a page of
// this size once its two surfaces are counted (0 when nothing is).
RKV3CANVAS_EXPORT qint64 RunIndexRoom(QSize size);

// Reads a page image with its exact 8-bit red, green and blue values: no
// dithering, no colour management, no automatic rotation. Palette-based BMP,
// GIF and PNG pages come out with their palette entries' exact values.
// Only a regular file is read, and only in the formats a model's pages come
// in: PNG, BMP, GIF and JPEG, told by the file's first bytes whatever its
// name says. The size its header declares, and the decoder's own memory for
// it, are checked against PageSurfaceBudget() before any pixel is decoded.
// Returns a Format_RGB32 image, or a null image when the file is missing,
// no regular file, unreadable, in another format, or too large.
RKV3CANVAS_EXPORT QImage ReadPageImage(const QString& path);
