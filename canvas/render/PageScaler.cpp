#include "render/PageScaler.h"

#include "render/WorkerPool.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
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

// Shrinking by a power of two, 2 to 16, the same on both sides: every target
// pixel averages a whole block of factor x factor source pixels, and the
// average, rounded half up, is worked out in whole numbers. It equals what
// the weighted path gives, since every weight and scale there is then a
// power of two and its float sums are exact.
int exactPowerOfTwoFactor(const ScaleSource& src, int targetWidth, int targetHeight)
{
    for (int factor = 2; factor <= 16; factor *= 2)
        if (std::int64_t(targetWidth) * factor == src.width
            && std::int64_t(targetHeight) * factor == src.height)
            return factor;
    return 0;
}

#if defined(__SSE2__)
// Four target pixels from their blocks' sums, eight 16-bit channel sums in
// each of two vectors: rounded, divided by the block's area and packed.
inline __m128i averagedPixels(__m128i first, __m128i second, int areaShift)
{
    const __m128i half = _mm_set1_epi16(std::int16_t(1 << (areaShift - 1)));
    const __m128i shift = _mm_cvtsi32_si128(areaShift);
    first = _mm_srl_epi16(_mm_add_epi16(first, half), shift);
    second = _mm_srl_epi16(_mm_add_epi16(second, half), shift);
    return _mm_or_si128(_mm_packus_epi16(first, second), _mm_set1_epi32(int(0xFF000000u)));
}

// The sums of 2 x 2 blocks of two target pixels from two rows of four
// source pixels.
inline __m128i pairSums(__m128i top, __m128i bottom)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_add_epi16(_mm_unpacklo_epi8(top, zero), _mm_unpacklo_epi8(bottom, zero));
    const __m128i high = _mm_add_epi16(_mm_unpackhi_epi8(top, zero), _mm_unpackhi_epi8(bottom, zero));
    return _mm_add_epi16(_mm_unpacklo_epi64(low, high), _mm_unpackhi_epi64(low, high));
}
#endif

#if defined(__x86_64__) || defined(__i386__)
// The averages of four pairs of 2 x 2 source pixels in each 128-bit lane,
// 16 bits a channel, from eight source pixels of two rows.
__attribute__((target("avx2"))) inline __m256i halvedQuads(const std::uint32_t* first,
                                                           const std::uint32_t* second)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(first));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(second));
    const __m256i low = _mm256_add_epi16(_mm256_unpacklo_epi8(t, zero), _mm256_unpacklo_epi8(b, zero));
    const __m256i high = _mm256_add_epi16(_mm256_unpackhi_epi8(t, zero), _mm256_unpackhi_epi8(b, zero));
    const __m256i sums =
        _mm256_add_epi16(_mm256_unpacklo_epi64(low, high), _mm256_unpackhi_epi64(low, high));
    return _mm256_srli_epi16(_mm256_add_epi16(sums, _mm256_set1_epi16(2)), 2);
}

// Halving eight target pixels at a time from two rows of sixteen source
// pixels; returns how many target pixels it made.
__attribute__((target("avx2"))) int halveRowAvx2(const std::uint32_t* first, const std::uint32_t* second,
                                                 std::uint32_t* line, int width)
{
    const __m256i opaque = _mm256_set1_epi32(int(0xFF000000u));
    int tx = 0;
    for (; tx + 8 <= width; tx += 8) {
        // Targets 0, 1 | 2, 3 and 4, 5 | 6, 7 in the lanes; packing gives
        // 0 1 4 5 | 2 3 6 7, and the quarters are put in order.
        const std::size_t at = std::size_t(2 * tx);
        const __m256i packed = _mm256_packus_epi16(halvedQuads(first + at, second + at),
                                                   halvedQuads(first + at + 8, second + at + 8));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(line + tx),
                            _mm256_or_si256(_mm256_permute4x64_epi64(packed, 0xD8), opaque));
    }
    return tx;
}

bool haveAvx2()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}
#endif

void shrinkRowsByBlocks(const ScaleSource& src, int factor, int partX, int y0, int y1, int partY,
                        int partWidth, std::uint32_t* out, std::size_t outStride)
{
    int areaShift = 0;
    while ((1 << areaShift) < factor * factor) ++areaShift;
    const std::uint32_t half = 1u << (areaShift - 1);
    // Column sums of one target row's source rows, four channels each.
    const std::size_t columns = std::size_t(partWidth) * std::size_t(factor);
    std::vector<std::uint16_t> sums(factor > 2 ? columns * 4 : 0);
    for (int ty = y0; ty < y1; ++ty) {
        const std::uint32_t* first = src.pixels + std::size_t(ty) * std::size_t(factor) * src.stride
                                     + std::size_t(partX) * std::size_t(factor);
        std::uint32_t* line = out + std::size_t(ty - partY) * outStride;
        int tx = 0;
#if defined(__SSE2__)
        if (factor == 2) {
            // Two rows of eight source pixels give four target pixels.
            const std::uint32_t* second = first + src.stride;
#if defined(__x86_64__) || defined(__i386__)
            if (haveAvx2()) tx = halveRowAvx2(first, second, line, partWidth);
#endif
            for (; tx + 4 <= partWidth; tx += 4) {
                const auto at = [&](const std::uint32_t* row, int k) {
                    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 2 * tx + 4 * k));
                };
                _mm_storeu_si128(reinterpret_cast<__m128i*>(line + tx),
                                 averagedPixels(pairSums(at(first, 0), at(second, 0)),
                                                pairSums(at(first, 1), at(second, 1)), areaShift));
            }
        } else {
            const __m128i zero = _mm_setzero_si128();
            for (int r = 0; r < factor; ++r) {
                const std::uint32_t* row = first + std::size_t(r) * src.stride;
                for (std::size_t x = 0; x + 4 <= columns; x += 4) {
                    const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
                    __m128i* to = reinterpret_cast<__m128i*>(sums.data() + 4 * x);
                    const __m128i low = _mm_unpacklo_epi8(px, zero);
                    const __m128i high = _mm_unpackhi_epi8(px, zero);
                    _mm_storeu_si128(to, r == 0 ? low : _mm_add_epi16(_mm_loadu_si128(to), low));
                    _mm_storeu_si128(to + 1,
                                     r == 0 ? high : _mm_add_epi16(_mm_loadu_si128(to + 1), high));
                }
            }
            // columns is a multiple of four: every source column is summed.
            for (; tx + 4 <= partWidth; tx += 4) {
                __m128i block[4];
                for (int k = 0; k < 4; ++k) {
                    const auto* s = reinterpret_cast<const std::uint64_t*>(sums.data())
                                    + std::size_t(tx + k) * std::size_t(factor);
                    __m128i total = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s));
                    for (int c = 1; c < factor; ++c)
                        total = _mm_add_epi16(
                            total, _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + c)));
                    block[k] = total;
                }
                _mm_storeu_si128(reinterpret_cast<__m128i*>(line + tx),
                                 averagedPixels(_mm_unpacklo_epi64(block[0], block[1]),
                                                _mm_unpacklo_epi64(block[2], block[3]), areaShift));
            }
        }
#endif
        // The pixels left over, one at a time.
        for (; tx < partWidth; ++tx) {
            std::uint32_t total[4] = {0, 0, 0, 0};
            for (int r = 0; r < factor; ++r)
                for (int c = 0; c < factor; ++c) {
                    const std::uint32_t px =
                        first[std::size_t(r) * src.stride + std::size_t(tx * factor + c)];
                    for (int b = 0; b < 3; ++b) total[b] += (px >> (8 * b)) & 0xFFu;
                }
            std::uint32_t px = 0xFF000000u;
            for (int b = 0; b < 3; ++b) px |= ((total[b] + half) >> areaShift) << (8 * b);
            line[tx] = px;
        }
    }
}

}  // namespace

void ScaleDownPart(const ScaleSource& source, int targetWidth, int targetHeight, int partX,
                   int partY, int partWidth, int partHeight, std::uint32_t* out,
                   std::size_t outStride)
{
    if (partWidth <= 0 || partHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
    if (const int factor = exactPowerOfTwoFactor(source, targetWidth, targetHeight)) {
        const int bands = int(std::clamp<std::int64_t>(
            std::int64_t(partWidth) * partHeight * factor * factor / 262144, 1, partHeight));
        RunInParallel(bands, [&](int band) {
            const int y0 = partY + int(std::int64_t(partHeight) * band / bands);
            const int y1 = partY + int(std::int64_t(partHeight) * (band + 1) / bands);
            shrinkRowsByBlocks(source, factor, partX, y0, y1, partY, partWidth, out, outStride);
        });
        return;
    }
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

void ScaleUpPart(const ScaleSource& source, int targetWidth, int targetHeight, int partX, int partY,
                 int partWidth, int partHeight, std::uint32_t* out, std::size_t outStride)
{
    if (partWidth <= 0 || partHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
    // The source column of every target column of the part, once.
    std::vector<int> columns(std::size_t(partWidth), 0);
    for (int i = 0; i < partWidth; ++i)
        columns[std::size_t(i)] = int(std::int64_t(partX + i) * source.width / targetWidth);
    int madeRow = -1;
    for (int j = 0; j < partHeight; ++j) {
        std::uint32_t* line = out + std::size_t(j) * outStride;
        const int row = int(std::int64_t(partY + j) * source.height / targetHeight);
        // Rows of one source row are alike: the first is copied.
        if (row == madeRow) {
            std::copy_n(line - outStride, partWidth, line);
            continue;
        }
        const std::uint32_t* from = source.pixels + std::size_t(row) * source.stride;
        for (int i = 0; i < partWidth; ++i) line[i] = from[columns[std::size_t(i)]] | 0xFF000000u;
        madeRow = row;
    }
}
