#pragma once

#include "render/CanvasExport.h"

#include <cstddef>
#include <cstdint>

// Shrinks a picture by averaging, for each target pixel, the source pixels
// that its area covers (weighted by how much of each it covers), so thin ink
// lines stay visible at any zoom. Any part of the target can be made on its
// own: a target pixel's value depends only on its place, never on the part
// it was made with, so parts made at different times fit without seams.
struct ScaleSource {
    const std::uint32_t* pixels;  // 0xXXRRGGBB words
    std::size_t stride;           // words from one row to the next
    int width;
    int height;
};

// Makes the part (partX, partY, partWidth, partHeight) of the source scaled
// to targetWidth x targetHeight, which must be no larger than the source on
// either side, into out (outStride words per row). Output pixels are opaque
// (fourth byte 0xFF). Large parts are shared out over the worker pool.
RKV3CANVAS_EXPORT void ScaleDownPart(const ScaleSource& source, int targetWidth, int targetHeight,
                                     int partX, int partY, int partWidth, int partHeight,
                                     std::uint32_t* out, std::size_t outStride);

// Enlarges a picture by repeating its pixels (nearest neighbour), so every
// source pixel becomes a solid block and nothing is smoothed: target pixel
// (x, y) shows source pixel (x * width / targetWidth, y * height /
// targetHeight), rounded down. Makes the part (partX, partY, partWidth,
// partHeight) of the source scaled to targetWidth x targetHeight, which must
// be no smaller than the source on either side, into out (outStride words
// per row); only that part is ever made, so a view many times the page's
// size costs no more than the part on the screen. Output pixels are opaque.
RKV3CANVAS_EXPORT void ScaleUpPart(const ScaleSource& source, int targetWidth, int targetHeight,
                                   int partX, int partY, int partWidth, int partHeight,
                                   std::uint32_t* out, std::size_t outStride);
