#include "PageScaler.h"

#include "WorkerPool.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// How one target pixel covers its source pixels along one axis, in 1/256ths
// of a source pixel: source pixels first..last, the first and last covered
// by the given weights, those between wholly (256).
struct Cover {
    int first;
    int last;
    std::uint32_t firstWeight;
    std::uint32_t lastWeight;
    double inverseArea;  // 1 / the total weight
};

Cover coverOf(int target, int sourceSize, int targetSize)
{
    const std::int64_t e0 = std::int64_t(target) * sourceSize * 256 / targetSize;
    const std::int64_t e1 = std::int64_t(target + 1) * sourceSize * 256 / targetSize;
    Cover c;
    c.first = int(e0 >> 8);
    c.last = int((e1 - 1) >> 8);
    if (c.first == c.last) {
        c.firstWeight = c.lastWeight = std::uint32_t(e1 - e0);
    } else {
        c.firstWeight = std::uint32_t((std::int64_t(c.first) + 1) * 256 - e0);
        c.lastWeight = std::uint32_t(e1 - std::int64_t(c.last) * 256);
    }
    c.inverseArea = 1.0 / double(e1 - e0);
    return c;
}

inline std::uint32_t weightAt(const Cover& c, int i)
{
    return i == c.first ? c.firstWeight : (i == c.last ? c.lastWeight : 256u);
}

// Adds w x (the channels of count pixels of row) to sums, four sums per
// pixel (blue, green, red, fourth), and the same for a second row with its
// own weight (0 when there is none).
void addRows(const std::uint32_t* a, std::int32_t wa, const std::uint32_t* b, std::int32_t wb,
             std::size_t count, std::int32_t* sums)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    // Four pixels at a time: bytes widened to 16 bits, the two rows' values
    // paired, and each pair multiplied by the weights and added in one step.
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights = _mm_set1_epi32(std::int32_t(std::uint32_t(wa & 0xFFFF) | (std::uint32_t(wb) << 16)));
    for (; i + 4 <= count; i += 4) {
        const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i aLow = _mm_unpacklo_epi8(pa, zero), aHigh = _mm_unpackhi_epi8(pa, zero);
        const __m128i bLow = _mm_unpacklo_epi8(pb, zero), bHigh = _mm_unpackhi_epi8(pb, zero);
        __m128i* out = reinterpret_cast<__m128i*>(sums + i * 4);
        const __m128i products[4] = {_mm_madd_epi16(_mm_unpacklo_epi16(aLow, bLow), weights),
                                     _mm_madd_epi16(_mm_unpackhi_epi16(aLow, bLow), weights),
                                     _mm_madd_epi16(_mm_unpacklo_epi16(aHigh, bHigh), weights),
                                     _mm_madd_epi16(_mm_unpackhi_epi16(aHigh, bHigh), weights)};
        for (int k = 0; k < 4; ++k)
            _mm_storeu_si128(out + k, _mm_add_epi32(_mm_loadu_si128(out + k), products[k]));
    }
#endif
    for (; i < count; ++i)
        for (int c = 0; c < 4; ++c)
            sums[i * 4 + std::size_t(c)] += wa * std::int32_t((a[i] >> (8 * c)) & 0xFFu)
                                            + wb * std::int32_t((b[i] >> (8 * c)) & 0xFFu);
}

// One target pixel from the column sums its columns cover.
inline std::uint32_t averageOf(const std::int32_t* sums, const Cover& col, int c0, float scale)
{
    const std::int32_t* s = sums + std::size_t(col.first - c0) * 4;
#if defined(__SSE2__)
    __m128 total = _mm_setzero_ps();
    for (int sx = col.first; sx <= col.last; ++sx, s += 4)
        total = _mm_add_ps(total, _mm_mul_ps(_mm_set1_ps(float(weightAt(col, sx))),
                                             _mm_cvtepi32_ps(_mm_loadu_si128(
                                                 reinterpret_cast<const __m128i*>(s)))));
    const __m128i value = _mm_cvttps_epi32(
        _mm_add_ps(_mm_mul_ps(total, _mm_set1_ps(scale)), _mm_set1_ps(0.5f)));
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(value, value), value);
    return std::uint32_t(_mm_cvtsi128_si32(bytes)) | 0xFF000000u;
#else
    float total[3] = {0, 0, 0};
    for (int sx = col.first; sx <= col.last; ++sx, s += 4) {
        const float w = float(weightAt(col, sx));
        for (int c = 0; c < 3; ++c) total[c] += w * float(s[c]);
    }
    std::uint32_t px = 0xFF000000u;
    for (int c = 0; c < 3; ++c) px |= std::uint32_t(total[c] * scale + 0.5f) << (8 * c);
    return px;
#endif
}

void scaleRows(const ScaleSource& src, const std::vector<Cover>& columns, int targetHeight,
               int y0, int y1, int partY, std::uint32_t* out, std::size_t outStride)
{
    const int c0 = columns.front().first;
    const std::size_t n = std::size_t(columns.back().last - c0 + 1);
    std::vector<std::int32_t> sums(n * 4);
    for (int ty = y0; ty < y1; ++ty) {
        const Cover rows = coverOf(ty, src.height, targetHeight);
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = rows.first; sy <= rows.last; sy += 2) {
            const std::uint32_t* a = src.pixels + std::size_t(sy) * src.stride + c0;
            const bool pair = sy + 1 <= rows.last;
            addRows(a, std::int32_t(weightAt(rows, sy)), pair ? a + src.stride : a,
                    pair ? std::int32_t(weightAt(rows, sy + 1)) : 0, n, sums.data());
        }
        std::uint32_t* line = out + std::size_t(ty - partY) * outStride;
        for (std::size_t tx = 0; tx < columns.size(); ++tx)
            line[tx] = averageOf(sums.data(), columns[tx], c0,
                                 float(columns[tx].inverseArea * rows.inverseArea));
    }
}

}  // namespace

void ScaleDownPart(const ScaleSource& source, int targetWidth, int targetHeight, int partX,
                   int partY, int partWidth, int partHeight, std::uint32_t* out,
                   std::size_t outStride)
{
    if (partWidth <= 0 || partHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
    std::vector<Cover> columns(static_cast<std::size_t>(partWidth));
    for (int i = 0; i < partWidth; ++i) columns[std::size_t(i)] = coverOf(partX + i, source.width, targetWidth);
    // Bands of rows, each with its own column sums.
    const std::int64_t work = std::int64_t(partWidth) * partHeight * source.width / targetWidth;
    const int bands = int(std::clamp<std::int64_t>(work / 65536, 1, partHeight));
    RunInParallel(bands, [&](int band) {
        const int y0 = partY + int(std::int64_t(partHeight) * band / bands);
        const int y1 = partY + int(std::int64_t(partHeight) * (band + 1) / bands);
        scaleRows(source, columns, targetHeight, y0, y1, partY, out, outStride);
    });
}
