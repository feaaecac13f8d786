#include "PageScaler.h"

#include "WorkerPool.h"

#include <algorithm>
#include <vector>

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

// Sums of the channels of source columns, weighted down one target row.
struct ColumnSums {
    std::vector<std::uint32_t> red, green, blue;
    explicit ColumnSums(std::size_t n) : red(n), green(n), blue(n) {}
};

void scaleRows(const ScaleSource& src, const std::vector<Cover>& columns, int targetHeight,
               int y0, int y1, int partY, std::uint32_t* out, std::size_t outStride)
{
    const int c0 = columns.front().first;
    const std::size_t n = std::size_t(columns.back().last - c0 + 1);
    ColumnSums sums{n};
    for (int ty = y0; ty < y1; ++ty) {
        const Cover rows = coverOf(ty, src.height, targetHeight);
        std::fill(sums.red.begin(), sums.red.end(), 0u);
        std::fill(sums.green.begin(), sums.green.end(), 0u);
        std::fill(sums.blue.begin(), sums.blue.end(), 0u);
        for (int sy = rows.first; sy <= rows.last; ++sy) {
            const std::uint32_t w = weightAt(rows, sy);
            const std::uint32_t* row = src.pixels + std::size_t(sy) * src.stride + c0;
            std::uint32_t* red = sums.red.data();
            std::uint32_t* green = sums.green.data();
            std::uint32_t* blue = sums.blue.data();
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint32_t px = row[i];
                red[i] += w * ((px >> 16) & 0xFFu);
                green[i] += w * ((px >> 8) & 0xFFu);
                blue[i] += w * (px & 0xFFu);
            }
        }
        std::uint32_t* line = out + std::size_t(ty - partY) * outStride;
        for (std::size_t tx = 0; tx < columns.size(); ++tx) {
            const Cover& col = columns[tx];
            std::uint64_t r = 0, g = 0, b = 0;
            for (int sx = col.first; sx <= col.last; ++sx) {
                const std::uint64_t w = weightAt(col, sx);
                const std::size_t i = std::size_t(sx - c0);
                r += w * sums.red[i];
                g += w * sums.green[i];
                b += w * sums.blue[i];
            }
            const double scale = col.inverseArea * rows.inverseArea;
            line[tx] = 0xFF000000u | (std::uint32_t(double(r) * scale + 0.5) << 16)
                       | (std::uint32_t(double(g) * scale + 0.5) << 8)
                       | std::uint32_t(double(b) * scale + 0.5);
        }
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
