#include "render/PageRenderer.h"

#include "render/WorkerPool.h"

#include <algorithm>
#include <chrono>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define RKV_X86 1
#endif

namespace {

// One pixel by the rule: its region's output word at its shading level,
// each channel lowered by 255 - ink and held at 0 (table values and ink are
// bytes, so only the lower bound can be crossed). The fourth byte is kept.
inline std::uint32_t renderPixel(std::uint32_t px, const std::uint32_t* words)
{
    const std::uint32_t level = words[(px >> 8) & 0xFFFFu];
    const std::uint32_t darken = 255u - (px & 0xFFu);
    const std::uint32_t r = (level >> 16) & 0xFFu;
    const std::uint32_t g = (level >> 8) & 0xFFu;
    const std::uint32_t b = level & 0xFFu;
    return (px & 0xFF000000u) | ((r > darken ? r - darken : 0u) << 16)
           | ((g > darken ? g - darken : 0u) << 8) | (b > darken ? b - darken : 0u);
}

void renderPlain(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                 const std::uint32_t* words)
{
    for (std::size_t i = 0; i < count; ++i) dst[i] = renderPixel(src[i], words);
}

#if defined(RKV_X86)
// Four pixels at a time: the four words are read one by one, the clamp is a
// saturating byte subtraction of 255 - ink from bytes red, green and blue.
__attribute__((target("sse2"))) void renderSse2(const std::uint32_t* src, std::uint32_t* dst,
                                                    std::size_t count, const RKV3Canvas::RegionPalette& palette)
{
    const std::uint32_t* words = palette.outputWords();
    const __m128i lowByte = _mm_set1_epi32(0xFF);
    const __m128i fourthByte = _mm_set1_epi32(int(0xFF000000u));
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        // Every input is read before anything is written (src may be dst).
        const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i level = _mm_set_epi32(
            int(words[(src[i + 3] >> 8) & 0xFFFFu]), int(words[(src[i + 2] >> 8) & 0xFFFFu]),
            int(words[(src[i + 1] >> 8) & 0xFFFFu]), int(words[(src[i] >> 8) & 0xFFFFu]));
        __m128i darken = _mm_andnot_si128(px, lowByte);
        darken = _mm_or_si128(darken, _mm_slli_epi32(darken, 8));
        darken = _mm_or_si128(darken, _mm_slli_epi32(darken, 16));
        const __m128i out =
            _mm_or_si128(_mm_subs_epu8(level, darken), _mm_and_si128(px, fourthByte));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
    }
    renderPlain(src + i, dst + i, count - i, words);
}

// Eight pixels at a time. Regions come in runs, so the eight pixels mostly
// share one: their levels are then worked out from that region's two steps
// (levelSteps) with saturating byte arithmetic; otherwise each pixel's level
// is fetched from the table by one gather. 255 - ink is spread over the
// three colour bytes of each pixel by one byte shuffle, the shade likewise.
__attribute__((target("avx2"))) void renderAvx2(const std::uint32_t* src, std::uint32_t* dst,
                                                    std::size_t count, const RKV3Canvas::RegionPalette& palette)
{
    const std::uint32_t* words = palette.outputWords();
    const std::uint32_t* steps = palette.levelSteps();
    const __m256i indexMask = _mm256_set1_epi32(0xFFFF);
    const __m256i regionMask = _mm256_set1_epi32(0xFF00);
    const __m256i allOnes = _mm256_set1_epi32(-1);
    const __m256i fourthByte = _mm256_set1_epi32(int(0xFF000000u));
    const __m256i spreadInk = _mm256_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12,
                                               -1, 0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12,
                                               12, 12, -1);
    const __m256i spreadShade = _mm256_setr_epi8(2, 2, 2, -1, 6, 6, 6, -1, 10, 10, 10, -1, 14, 14,
                                                 14, -1, 2, 2, 2, -1, 6, 6, 6, -1, 10, 10, 10, -1,
                                                 14, 14, 14, -1);
    const int* table = reinterpret_cast<const int*>(words);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i px = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const std::uint32_t region = (src[i] >> 8) & 0xFFu;
        const __m256i same = _mm256_cmpeq_epi32(_mm256_and_si256(px, regionMask),
                                                _mm256_set1_epi32(int(region << 8)));
        __m256i level;
        if (_mm256_movemask_epi8(same) == -1) {
            const __m256i shade = _mm256_shuffle_epi8(px, spreadShade);
            level = _mm256_subs_epu8(_mm256_adds_epu8(shade, _mm256_set1_epi32(int(steps[region]))),
                                     _mm256_set1_epi32(int(steps[256 + region])));
        } else {
            const __m256i index = _mm256_and_si256(_mm256_srli_epi32(px, 8), indexMask);
            level = _mm256_i32gather_epi32(table, index, 4);
        }
        const __m256i darken = _mm256_shuffle_epi8(_mm256_xor_si256(px, allOnes), spreadInk);
        const __m256i out = _mm256_or_si256(_mm256_subs_epu8(level, darken),
                                            _mm256_and_si256(px, fourthByte));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), out);
    }
    renderPlain(src + i, dst + i, count - i, words);
}

// The same sixteen pixels at a time.
__attribute__((target("avx512f,avx512bw"))) void renderAvx512(const std::uint32_t* src,
                                                                  std::uint32_t* dst,
                                                                  std::size_t count,
                                                                  const RKV3Canvas::RegionPalette& palette)
{
    const std::uint32_t* words = palette.outputWords();
    const std::uint32_t* steps = palette.levelSteps();
    const __m512i regionMask = _mm512_set1_epi32(0xFF00);
    const __m512i fourthByte = _mm512_set1_epi32(int(0xFF000000u));
    // Byte shuffles work within 16-byte lanes: the same pattern in each.
    const __m512i spreadInk = _mm512_set4_epi32(int(0xFF0C0C0Cu), int(0xFF080808u),
                                                int(0xFF040404u), int(0xFF000000u));
    const __m512i spreadShade = _mm512_set4_epi32(int(0xFF0E0E0Eu), int(0xFF0A0A0Au),
                                                  int(0xFF060606u), int(0xFF020202u));
    // Bytes 1 and 2 of each pixel (region and shade) moved down: its table index.
    const __m512i tableIndex = _mm512_set4_epi32(int(0xFFFF0E0Du), int(0xFFFF0A09u),
                                                 int(0xFFFF0605u), int(0xFFFF0201u));
    const __m512i allOnes = _mm512_set1_epi32(-1);
    // The last pixels, fewer than sixteen, go through the same steps with a
    // mask: short runs cost one pass, not a pass and a tail.
    for (std::size_t i = 0; i < count; i += 16) {
        const __mmask16 lanes = count - i >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << (count - i)) - 1);
        const __m512i px = _mm512_maskz_loadu_epi32(lanes, src + i);
        const std::uint32_t region = (src[i] >> 8) & 0xFFu;
        const __mmask16 same = _mm512_mask_cmpeq_epi32_mask(
            lanes, _mm512_and_si512(px, regionMask), _mm512_set1_epi32(int(region << 8)));
        __m512i level;
        if (same == lanes) {
            const __m512i shade = _mm512_shuffle_epi8(px, spreadShade);
            level = _mm512_subs_epu8(_mm512_adds_epu8(shade, _mm512_set1_epi32(int(steps[region]))),
                                     _mm512_set1_epi32(int(steps[256 + region])));
        } else {
            level = _mm512_mask_i32gather_epi32(_mm512_setzero_si512(), lanes,
                                                _mm512_shuffle_epi8(px, tableIndex), words, 4);
        }
        const __m512i darken = _mm512_shuffle_epi8(_mm512_xor_si512(px, allOnes), spreadInk);
        const __m512i out = _mm512_or_si512(_mm512_subs_epu8(level, darken),
                                            _mm512_and_si512(px, fourthByte));
        _mm512_mask_storeu_epi32(dst + i, lanes, out);
    }
}

#endif

void renderPlainSpan(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                     const RKV3Canvas::RegionPalette& palette)
{
    renderPlain(src, dst, count, palette.outputWords());
}

using SpanFunction = void (*)(const std::uint32_t*, std::uint32_t*, std::size_t,
                              const RKV3Canvas::RegionPalette&);

SpanFunction spanFunction(PixelPath path)
{
    switch (path) {
#if defined(RKV_X86)
    case PixelPath::Sse2: return renderSse2;
    case PixelPath::Avx2: return renderAvx2;
    case PixelPath::Avx512: return renderAvx512;
#endif
    default: return renderPlainSpan;
    }
}

// The quickest way this processor offers. Which one that is does not follow
// from the features alone (a table gather is quick on some processors and
// slow on others, wide vectors may lower the clock), so each available way
// colours a test span a few times, once, at the first render (a few
// milliseconds), and the quickest is kept. Every way gives the same bytes.
PixelPath bestPath()
{
    static const PixelPath best = [] {
        RKV3Canvas::RegionPalette palette;
        // A megabyte of pixels laid out as on a page: regions in runs, shades
        // changing slowly, ink changing fast.
        std::vector<std::uint32_t> src(std::size_t(1) << 18), dst(src.size());
        for (std::size_t i = 0; i < src.size(); ++i)
            src[i] = std::uint32_t((((i / 7) & 0xFF) << 16) | (((i / 500) % 17) << 8) | (i & 0xFF));
        PixelPath fastest = PixelPath::Plain;
        auto fastestTime = std::chrono::steady_clock::duration::max();
        for (PixelPath p : {PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
            if (!PixelPathAvailable(p)) continue;
            auto shortest = std::chrono::steady_clock::duration::max();
            for (int round = 0; round < 3; ++round) {
                const auto start = std::chrono::steady_clock::now();
                spanFunction(p)(src.data(), dst.data(), src.size(), palette);
                shortest = std::min(shortest, std::chrono::steady_clock::now() - start);
            }
            if (shortest < fastestTime) {
                fastestTime = shortest;
                fastest = p;
            }
        }
        return fastest;
    }();
    return best;
}

}  // namespace

bool PixelPathAvailable(PixelPath path)
{
    switch (path) {
    case PixelPath::Plain: return true;
#if defined(RKV_X86)
    case PixelPath::Sse2: return __builtin_cpu_supports("sse2");
    case PixelPath::Avx2: return __builtin_cpu_supports("avx2");
    case PixelPath::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
#endif
    default: return false;
    }
}

void RenderPixelSpanOn(PixelPath path, const std::uint32_t* src, std::uint32_t* dst,
                       std::size_t count, const RKV3Canvas::RegionPalette& palette)
{
    if (!PixelPathAvailable(path)) path = PixelPath::Plain;
    spanFunction(path)(src, dst, count, palette);
}

void RenderPixelSpan(const std::uint32_t* src, std::uint32_t* dst, std::size_t count,
                     const RKV3Canvas::RegionPalette& palette)
{
    spanFunction(bestPath())(src, dst, count, palette);
}

void RenderPixelRows(const std::uint32_t* src, std::size_t srcStride, std::uint32_t* dst,
                     std::size_t dstStride, int width, int height, const RKV3Canvas::RegionPalette& palette)
{
    if (width <= 0 || height <= 0) return;
    const SpanFunction render = spanFunction(bestPath());
    // Rows without gaps between them are one span.
    if (srcStride == std::size_t(width) && dstStride == std::size_t(width)) {
        render(src, dst, std::size_t(width) * std::size_t(height), palette);
        return;
    }
    for (int y = 0; y < height; ++y)
        render(src + std::size_t(y) * srcStride, dst + std::size_t(y) * dstStride,
               std::size_t(width), palette);
}

void RenderPageRows(const std::uint32_t* src, std::size_t srcStride, std::uint32_t* dst,
                    std::size_t dstStride, int width, int height, const RKV3Canvas::RegionPalette& palette)
{
    if (width <= 0 || height <= 0) return;
    // Bands of about a quarter million pixels: enough to share the work out
    // evenly, few enough that handing them out costs nothing.
    const std::size_t pixels = std::size_t(width) * std::size_t(height);
    const int bands = int(std::clamp<std::size_t>(pixels / 262144, 1, std::size_t(height)));
    if (bands == 1 || ParallelWidth() == 1) {
        RenderPixelRows(src, srcStride, dst, dstStride, width, height, palette);
        return;
    }
    RunInParallel(bands, [&](int band) {
        const int y0 = int(std::int64_t(height) * band / bands);
        const int y1 = int(std::int64_t(height) * (band + 1) / bands);
        RenderPixelRows(src + std::size_t(y0) * srcStride, srcStride,
                        dst + std::size_t(y0) * dstStride, dstStride, width, y1 - y0, palette);
    });
}
