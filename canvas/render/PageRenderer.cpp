#include "PageRenderer.h"

void RenderPixelSpan(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                     const RegionPalette& palette)
{
    for (std::size_t i = 0; i < count; ++i) {
        // Read all three inputs before anything of the pixel is written.
        const std::uint32_t px = src[i];
        const std::uint32_t ink = px & 0xFFu;
        const std::uint32_t region = (px >> 8) & 0xFFu;
        const std::uint32_t shade = (px >> 16) & 0xFFu;
        const std::uint8_t* level = palette.levels(int(region))[shade].data();
        // L + ink - 255 clamped to 0..255; L and ink are bytes, so only the
        // lower bound can be crossed.
        const std::int32_t darken = 255 - std::int32_t(ink);
        const std::int32_t r = std::int32_t(level[0]) - darken;
        const std::int32_t g = std::int32_t(level[1]) - darken;
        const std::int32_t b = std::int32_t(level[2]) - darken;
        dst[i] = (px & 0xFF000000u) | (std::uint32_t(r < 0 ? 0 : r) << 16)
                 | (std::uint32_t(g < 0 ? 0 : g) << 8) | std::uint32_t(b < 0 ? 0 : b);
    }
}

void RenderPixelRows(const std::uint32_t* src, std::size_t srcStride, std::uint32_t* dst,
                     std::size_t dstStride, int width, int height, const RegionPalette& palette)
{
    for (int y = 0; y < height; ++y)
        RenderPixelSpan(src + std::size_t(y) * srcStride, dst + std::size_t(y) * dstStride,
                        std::size_t(width), palette);
}
