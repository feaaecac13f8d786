#include "PageRenderer.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The table word of a pixel: its region's output values at its shading
// level, bytes red, green, blue, 0 in memory order.
inline std::uint32_t levelWord(std::uint32_t px, const RegionPalette& palette)
{
    std::uint32_t word;
    std::memcpy(&word, palette.levels(int((px >> 8) & 0xFFu))[(px >> 16) & 0xFFu].data(), 4);
    return word;
}

// One pixel: L + ink - 255 clamped to 0..255 per channel. L and ink are
// bytes, so only the lower bound can be crossed.
inline std::uint32_t renderPixel(std::uint32_t px, const RegionPalette& palette)
{
    const std::uint8_t* level = palette.levels(int((px >> 8) & 0xFFu))[(px >> 16) & 0xFFu].data();
    const std::int32_t darken = 255 - std::int32_t(px & 0xFFu);
    const std::int32_t r = std::int32_t(level[0]) - darken;
    const std::int32_t g = std::int32_t(level[1]) - darken;
    const std::int32_t b = std::int32_t(level[2]) - darken;
    return (px & 0xFF000000u) | (std::uint32_t(r < 0 ? 0 : r) << 16)
           | (std::uint32_t(g < 0 ? 0 : g) << 8) | std::uint32_t(b < 0 ? 0 : b);
}

}  // namespace

void RenderPixelSpan(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                     const RegionPalette& palette)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    // Four pixels at a time: the same rule, with the clamp done by a
    // saturating byte subtraction of 255 - ink from each table byte.
    const __m128i lowByte = _mm_set1_epi32(0x000000FF);
    const __m128i midByte = _mm_set1_epi32(0x0000FF00);
    const __m128i highByte = _mm_set1_epi32(0x00FF0000);
    const __m128i fourthByte = _mm_set1_epi32(int(0xFF000000u));
    for (; i + 4 <= count; i += 4) {
        // Read all inputs before anything of the pixels is written.
        const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i level = _mm_set_epi32(int(levelWord(src[i + 3], palette)),
                                            int(levelWord(src[i + 2], palette)),
                                            int(levelWord(src[i + 1], palette)),
                                            int(levelWord(src[i], palette)));
        __m128i darken = _mm_andnot_si128(px, lowByte);  // 255 - ink
        darken = _mm_or_si128(darken, _mm_slli_epi32(darken, 8));
        darken = _mm_or_si128(darken, _mm_slli_epi32(darken, 16));
        const __m128i rgb = _mm_subs_epu8(level, darken);  // bytes red, green, blue, 0
        const __m128i red = _mm_slli_epi32(_mm_and_si128(rgb, lowByte), 16);
        const __m128i green = _mm_and_si128(rgb, midByte);
        const __m128i blue = _mm_srli_epi32(_mm_and_si128(rgb, highByte), 16);
        const __m128i out = _mm_or_si128(_mm_or_si128(red, green),
                                         _mm_or_si128(blue, _mm_and_si128(px, fourthByte)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
    }
#endif
    for (; i < count; ++i) dst[i] = renderPixel(src[i], palette);
}

void RenderPixelRows(const std::uint32_t* src, std::size_t srcStride, std::uint32_t* dst,
                     std::size_t dstStride, int width, int height, const RegionPalette& palette)
{
    for (int y = 0; y < height; ++y)
        RenderPixelSpan(src + std::size_t(y) * srcStride, dst + std::size_t(y) * dstStride,
                        std::size_t(width), palette);
}
