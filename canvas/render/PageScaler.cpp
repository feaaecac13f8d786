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
// own weight (0 when there is none). The first pair of a target row stores
// its products instead of adding them, so the sums need no clearing.
template <bool First>
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
            _mm_storeu_si128(out + k, First ? products[k]
                                            : _mm_add_epi32(_mm_loadu_si128(out + k), products[k]));
    }
#endif
    for (; i < count; ++i)
        for (int c = 0; c < 4; ++c) {
            const std::int32_t sum = wa * std::int32_t((a[i] >> (8 * c)) & 0xFFu)
                                     + wb * std::int32_t((b[i] >> (8 * c)) & 0xFFu);
            std::int32_t& to = sums[i * 4 + std::size_t(c)];
            to = First ? sum : to + sum;
        }
}

// The columns of the target part: for each target column, where its source
// columns start in the column sums, how many there are, and their weights
// (already divided by the column's total weight).
struct ColumnPlan {
    int firstColumn = 0;  // first source column of the part
    std::size_t sumCount = 0;
    std::vector<std::uint32_t> start;
    std::vector<std::uint32_t> count;
    std::vector<std::uint32_t> weightAt;  // where a column's weights begin
    std::vector<float> weights;
};

ColumnPlan planColumns(int partX, int partWidth, int sourceWidth, int targetWidth)
{
    ColumnPlan plan;
    const Cover firstCover = coverOf(partX, sourceWidth, targetWidth);
    const Cover lastCover = coverOf(partX + partWidth - 1, sourceWidth, targetWidth);
    plan.firstColumn = firstCover.first;
    plan.sumCount = std::size_t(lastCover.last - firstCover.first + 1);
    for (int tx = partX; tx < partX + partWidth; ++tx) {
        const Cover c = coverOf(tx, sourceWidth, targetWidth);
        plan.start.push_back(std::uint32_t(c.first - plan.firstColumn));
        plan.count.push_back(std::uint32_t(c.last - c.first + 1));
        plan.weightAt.push_back(std::uint32_t(plan.weights.size()));
        for (int sx = c.first; sx <= c.last; ++sx)
            plan.weights.push_back(float(double(weightAt(c, sx)) * c.inverseArea));
    }
    return plan;
}

// One row of target pixels from the column sums of its source rows.
void averageRow(const std::int32_t* sums, const ColumnPlan& plan, float rowScale,
                std::uint32_t* line)
{
    for (std::size_t tx = 0; tx < plan.start.size(); ++tx) {
        const std::int32_t* s = sums + std::size_t(plan.start[tx]) * 4;
        const float* w = plan.weights.data() + plan.weightAt[tx];
        const std::uint32_t n = plan.count[tx];
#if defined(__SSE2__)
        __m128 total = _mm_setzero_ps();
        for (std::uint32_t k = 0; k < n; ++k)
            total = _mm_add_ps(total, _mm_mul_ps(_mm_set1_ps(w[k]),
                                                 _mm_cvtepi32_ps(_mm_loadu_si128(
                                                     reinterpret_cast<const __m128i*>(s + 4 * k)))));
        const __m128i value = _mm_cvttps_epi32(
            _mm_add_ps(_mm_mul_ps(total, _mm_set1_ps(rowScale)), _mm_set1_ps(0.5f)));
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(value, value), value);
        line[tx] = std::uint32_t(_mm_cvtsi128_si32(bytes)) | 0xFF000000u;
#else
        float total[3] = {0, 0, 0};
        for (std::uint32_t k = 0; k < n; ++k)
            for (int c = 0; c < 3; ++c) total[c] += w[k] * float(s[4 * k + c]);
        std::uint32_t px = 0xFF000000u;
        for (int c = 0; c < 3; ++c) px |= std::uint32_t(total[c] * rowScale + 0.5f) << (8 * c);
        line[tx] = px;
#endif
    }
}

void scaleRows(const ScaleSource& src, const ColumnPlan& plan, int targetHeight, int y0, int y1,
               int partY, std::uint32_t* out, std::size_t outStride)
{
    const std::size_t n = plan.sumCount;
    std::vector<std::int32_t> sums(n * 4);
    for (int ty = y0; ty < y1; ++ty) {
        const Cover rows = coverOf(ty, src.height, targetHeight);
        for (int sy = rows.first; sy <= rows.last; sy += 2) {
            const std::uint32_t* a = src.pixels + std::size_t(sy) * src.stride + plan.firstColumn;
            const bool pair = sy + 1 <= rows.last;
            const std::uint32_t* b = pair ? a + src.stride : a;
            const std::int32_t wa = std::int32_t(weightAt(rows, sy));
            const std::int32_t wb = pair ? std::int32_t(weightAt(rows, sy + 1)) : 0;
            if (sy == rows.first)
                addRows<true>(a, wa, b, wb, n, sums.data());
            else
                addRows<false>(a, wa, b, wb, n, sums.data());
        }
        averageRow(sums.data(), plan, float(rows.inverseArea),
                   out + std::size_t(ty - partY) * outStride);
    }
}

}  // namespace

void ScaleDownPart(const ScaleSource& source, int targetWidth, int targetHeight, int partX,
                   int partY, int partWidth, int partHeight, std::uint32_t* out,
                   std::size_t outStride)
{
    if (partWidth <= 0 || partHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
    const ColumnPlan plan = planColumns(partX, partWidth, source.width, targetWidth);
    // Bands of rows, each with its own column sums.
    const std::int64_t work = std::int64_t(partWidth) * partHeight * source.width / targetWidth;
    const int bands = int(std::clamp<std::int64_t>(work / 65536, 1, partHeight));
    RunInParallel(bands, [&](int band) {
        const int y0 = partY + int(std::int64_t(partHeight) * band / bands);
        const int y1 = partY + int(std::int64_t(partHeight) * (band + 1) / bands);
        scaleRows(source, plan, targetHeight, y0, y1, partY, out, outStride);
    });
}
