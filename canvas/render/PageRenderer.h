#pragma once

#include "render/CanvasExport.h"
#include "render/RegionPalette.h"

#include <cstddef>
#include <cstdint>

// Page pixels are 32-bit words 0xXXRRGGBB (bytes blue, green, red, fourth in
// memory order): red = shading level, green = region number, blue = ink level.

// Colours count pixels of src into dst through the palette's tables:
// out_c = clamp(Levels[region][shade][c] + ink - 255). The fourth byte is
// copied unchanged. src and dst may be the same span. The fastest way the
// processor offers is chosen when the program runs.
RKV3CANVAS_EXPORT void RenderPixelSpan(const std::uint32_t* src, std::uint32_t* dst,
                                       std::size_t count, const RKV3Canvas::RegionPalette& palette);

// Colours a width x height block of rows; strides are in pixels.
RKV3CANVAS_EXPORT void RenderPixelRows(const std::uint32_t* src, std::size_t srcStride,
                                       std::uint32_t* dst, std::size_t dstStride, int width,
                                       int height, const RKV3Canvas::RegionPalette& palette);

// The same block coloured in bands by the worker pool (WorkerPool.h).
RKV3CANVAS_EXPORT void RenderPageRows(const std::uint32_t* src, std::size_t srcStride,
                                      std::uint32_t* dst, std::size_t dstStride, int width,
                                      int height, const RKV3Canvas::RegionPalette& palette);

// The ways of colouring a span: one pixel at a time, four with SSE2, eight
// with AVX2, sixteen with AVX-512. Each gives the same bytes; a way the
// processor lacks is unavailable.
enum class PixelPath { Plain, Sse2, Avx2, Avx512 };
RKV3CANVAS_EXPORT bool PixelPathAvailable(PixelPath path);
// Colours a span the given way (one pixel at a time when it is unavailable).
RKV3CANVAS_EXPORT void RenderPixelSpanOn(PixelPath path, const std::uint32_t* src,
                                         std::uint32_t* dst, std::size_t count,
                                         const RKV3Canvas::RegionPalette& palette);
