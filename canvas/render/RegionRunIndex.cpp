#include "RegionRunIndex.h"

#include "PageRenderer.h"
#include "WorkerPool.h"

#include <algorithm>

namespace {

inline std::uint32_t regionOf(std::uint32_t px) { return (px >> 8) & 0xFFu; }

// The runs and boxes of a band of rows.
struct BandRuns {
    std::array<std::vector<PixelRun>, RegionPalette::Size> runs;
    std::array<PageBox, RegionPalette::Size> boxes;
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

void indexRows(const std::uint32_t* pixels, std::size_t stride, int width, int y0, int y1,
               BandRuns& band)
{
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* row = pixels + std::size_t(y) * stride;
        int x = 0;
        while (x < width) {
            const std::uint32_t region = regionOf(row[x]);
            int end = x + 1;
            while (end < width && regionOf(row[end]) == region) ++end;
            band.runs[region].push_back(
                {std::uint32_t(std::size_t(y) * stride + std::size_t(x)), std::uint32_t(end - x)});
            grow(band.boxes[region], x, y, end, y + 1);
            x = end;
        }
    }
}

}  // namespace

void RegionRunIndex::Clear()
{
    for (auto& runs : runs_) std::vector<PixelRun>().swap(runs);
    boxes_.fill(PageBox());
    pixels_.fill(0);
}

void RegionRunIndex::Build(const std::uint32_t* pixels, std::size_t stride, int width, int height)
{
    Clear();
    if (width <= 0 || height <= 0) return;
    const int bands = std::min(ParallelWidth(), height);
    std::vector<BandRuns> found(static_cast<std::size_t>(bands));
    RunInParallel(bands, [&](int b) {
        indexRows(pixels, stride, width, int(std::int64_t(height) * b / bands),
                  int(std::int64_t(height) * (b + 1) / bands), found[std::size_t(b)]);
    });
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        std::size_t count = 0;
        for (const BandRuns& band : found) count += band.runs[r].size();
        runs_[r].reserve(count);
        for (BandRuns& band : found) {
            runs_[r].insert(runs_[r].end(), band.runs[r].begin(), band.runs[r].end());
            std::vector<PixelRun>().swap(band.runs[r]);
            const PageBox& box = band.boxes[r];
            if (!box.empty()) grow(boxes_[r], box.left, box.top, box.right, box.bottom);
        }
        for (const PixelRun& run : runs_[r]) pixels_[r] += run.length;
    }
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

void RenderRegions(const RegionRunIndex& index, const RegionSet& regions,
                   const std::uint32_t* src, std::uint32_t* dst, const RegionPalette& palette)
{
    // The runs of all chosen regions, one after the other, shared out in
    // contiguous slices of about equal length.
    std::vector<const std::vector<PixelRun>*> lists;
    std::size_t total = 0;
    for (int r = 0; r < RegionPalette::Size; ++r)
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
