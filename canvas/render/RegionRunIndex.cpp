#include "render/RegionRunIndex.h"

#include "render/PageRenderer.h"
#include "render/WorkerPool.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

inline std::uint32_t regionOf(std::uint32_t px) { return (px >> 8) & 0xFFu; }

// What one band of rows holds of each region: its runs, its pixels and its
// box.
struct BandCounts {
    std::array<std::size_t, RKV3Canvas::RegionPalette::Size> runs{};
    std::array<std::size_t, RKV3Canvas::RegionPalette::Size> pixels{};
    std::array<PageBox, RKV3Canvas::RegionPalette::Size> boxes;
};

void grow(PageBox& box, int left, int top, int right, int bottom)
{
    if (box.empty()) {
        box = {left, top, right, bottom};
        return;
    }
    box.left = std::min(box.left, left);
    box.top = std::min(box.top, top);
    box.right = std::max(box.right, right);
    box.bottom = std::max(box.bottom, bottom);
}

// The end of the run that starts at x. Pixels are compared four at a time
// while they all carry the run's region (runs are long on real pages), so
// that the two passes of Build cost about what one plain pass would.
inline int runEnd(const std::uint32_t* row, int x, int width)
{
    constexpr std::uint64_t RegionBytes = 0x0000FF000000FF00u;
    const std::uint32_t region = row[x] & 0xFF00u;
    const std::uint64_t pair = std::uint64_t(region) << 32 | region;
    int end = x + 1;
    for (; end + 4 <= width; end += 4) {
        std::uint64_t first = 0, second = 0;
        std::memcpy(&first, row + end, sizeof first);
        std::memcpy(&second, row + end + 2, sizeof second);
        if (((first & RegionBytes) ^ pair) | ((second & RegionBytes) ^ pair)) break;
    }
    while (end < width && (row[end] & 0xFF00u) == region) ++end;
    return end;
}

// Calls found(region, x, end) for each run of one row, left to right.
template <class Found> void forEachRun(const std::uint32_t* row, int width, Found&& found)
{
    for (int x = 0; x < width;) {
        const int end = runEnd(row, x, width);
        found(regionOf(row[x]), x, end);
        x = end;
    }
}

}  // namespace

void RegionRunIndex::Clear()
{
    for (auto& runs : runs_) std::vector<PixelRun>().swap(runs);
    boxes_.fill(PageBox());
    pixels_.fill(0);
    height_ = 0;
}

bool RegionRunIndex::Build(const std::uint32_t* pixels, std::size_t stride, int width, int height,
                           std::int64_t maxBytes)
{
    Clear();
    if (width <= 0 || height <= 0) return true;
    const int bands = std::min(ParallelWidth(), height);
    const auto firstRow = [&](int band) { return int(std::int64_t(height) * band / bands); };

    // First the runs are counted, so that the index is made at its exact
    // size, or not at all.
    std::vector<BandCounts> found(static_cast<std::size_t>(bands));
    RunInParallel(bands, [&](int b) {
        BandCounts& band = found[std::size_t(b)];
        for (int y = firstRow(b); y < firstRow(b + 1); ++y)
            forEachRun(pixels + std::size_t(y) * stride, width, [&](std::uint32_t region, int x, int end) {
                ++band.runs[region];
                band.pixels[region] += std::size_t(end - x);
                grow(band.boxes[region], x, y, end, y + 1);
            });
    });
    std::size_t total = 0;
    for (const BandCounts& band : found)
        for (const std::size_t runs : band.runs) total += runs;
    if (maxBytes < 0 || total > std::uint64_t(maxBytes) / sizeof(PixelRun)) return false;

    // Each band then writes its runs of a region after those of the bands
    // above it.
    std::vector<std::array<std::size_t, RKV3Canvas::RegionPalette::Size>> next(found.size());
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        std::size_t count = 0;
        for (std::size_t b = 0; b < found.size(); ++b) {
            next[b][r] = count;
            count += found[b].runs[r];
            pixels_[r] += found[b].pixels[r];
            const PageBox& box = found[b].boxes[r];
            if (!box.empty()) grow(boxes_[r], box.left, box.top, box.right, box.bottom);
        }
        try {
            runs_[r].resize(count);
        } catch (const std::bad_alloc&) {  // the page is then shown without an index
            Clear();
            return false;
        }
    }
    stride_ = stride;
    height_ = height;
    RunInParallel(bands, [&](int b) {
        auto& at = next[std::size_t(b)];
        for (int y = firstRow(b); y < firstRow(b + 1); ++y)
            forEachRun(pixels + std::size_t(y) * stride, width, [&](std::uint32_t region, int x, int end) {
                runs_[region][at[region]++] = {std::uint32_t(std::size_t(y) * stride + std::size_t(x)),
                                               std::uint32_t(end - x)};
            });
    });
    return true;
}

std::size_t RegionRunIndex::PixelCount(const RegionSet& regions) const
{
    std::size_t count = 0;
    for (std::size_t r = 0; r < pixels_.size(); ++r)
        if (regions.test(r)) count += pixels_[r];
    return count;
}

PageBox RegionRunIndex::Box(const RegionSet& regions) const
{
    PageBox all;
    for (std::size_t r = 0; r < boxes_.size(); ++r)
        if (regions.test(r) && !boxes_[r].empty())
            grow(all, boxes_[r].left, boxes_[r].top, boxes_[r].right, boxes_[r].bottom);
    return all;
}

std::vector<PageBox> RegionRunIndex::BandBoxes(const RegionSet& regions, int bandHeight) const
{
    bandHeight = std::max(1, bandHeight);
    std::vector<PageBox> bands(std::size_t((height_ + bandHeight - 1) / bandHeight));
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        if (!regions.test(r)) continue;
        for (const PixelRun& run : runs_[r]) {
            const int y = int(run.start / stride_);
            const int x = int(run.start % stride_);
            grow(bands[std::size_t(y / bandHeight)], x, y, x + int(run.length), y + 1);
        }
    }
    bands.erase(std::remove_if(bands.begin(), bands.end(), [](const PageBox& b) { return b.empty(); }),
                bands.end());
    return bands;
}

void RenderRegions(const RegionRunIndex& index, const RegionSet& regions,
                   const std::uint32_t* src, std::uint32_t* dst, const RKV3Canvas::RegionPalette& palette)
{
    // The runs of all chosen regions, one after the other, shared out in
    // contiguous slices of about equal length.
    std::vector<const std::vector<PixelRun>*> lists;
    std::size_t total = 0;
    for (int r = 0; r < RKV3Canvas::RegionPalette::Size; ++r)
        if (regions.test(std::size_t(r)) && !index.Runs(r).empty()) {
            lists.push_back(&index.Runs(r));
            total += index.Runs(r).size();
        }
    if (total == 0) return;
    const int parts = int(std::min<std::size_t>(std::size_t(ParallelWidth()) * 4, total));
    RunInParallel(parts, [&](int part) {
        std::size_t first = total * std::size_t(part) / std::size_t(parts);
        std::size_t last = total * std::size_t(part + 1) / std::size_t(parts);
        for (const std::vector<PixelRun>* runs : lists) {
            if (first >= runs->size()) {
                first -= runs->size();
                last -= runs->size();
                continue;
            }
            const std::size_t end = std::min(last, runs->size());
            for (std::size_t i = first; i < end; ++i) {
                const PixelRun run = (*runs)[i];
                RenderPixelSpan(src + run.start, dst + run.start, run.length, palette);
            }
            if (last <= runs->size()) break;
            first = 0;
            last -= runs->size();
        }
    });
}
