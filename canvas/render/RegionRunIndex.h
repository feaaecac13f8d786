#pragma once

#include "render/CanvasExport.h"
#include "render/RegionPalette.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

// A stretch of one row whose pixels all carry one region number. start is
// the first pixel's place in the page's pixel words (row x stride + column).
struct PixelRun {
    std::uint32_t start;
    std::uint32_t length;
};

// The smallest rectangle holding a region's pixels (right and bottom
// exclusive); empty when the region has none.
struct PageBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
};

using RegionSet = std::bitset<RKV3Canvas::RegionPalette::Size>;

// Where each region lies on a page: its pixel runs, row by row, and its box.
// Built once when a page loads, it lets a colour change recolour only the
// pixels of the regions that changed.
class RKV3CANVAS_EXPORT RegionRunIndex {
public:
    // Indexes a page of width x height pixels whose rows lie stride words
    // apart (region = green byte). Replaces what was indexed before. The
    // runs are counted first, and the index is made only when they take at
    // most maxBytes: a page whose region changes at every pixel would need
    // 8 bytes a pixel, as much as its two surfaces. Returns false, the index
    // left empty, when they take more or the memory cannot be had.
    bool Build(const std::uint32_t* pixels, std::size_t stride, int width, int height,
               std::int64_t maxBytes);
    void Clear();

    const std::vector<PixelRun>& Runs(int region) const { return runs_[std::size_t(region)]; }
    const PageBox& Box(int region) const { return boxes_[std::size_t(region)]; }
    std::size_t PixelCount(const RegionSet& regions) const;

    // The box holding every region of the set.
    PageBox Box(const RegionSet& regions) const;

    // Boxes holding every region of the set, one per band of bandHeight rows
    // that holds any of them: a closer outline than one box when regions are
    // scattered over the page.
    std::vector<PageBox> BandBoxes(const RegionSet& regions, int bandHeight) const;

private:
    std::array<std::vector<PixelRun>, RKV3Canvas::RegionPalette::Size> runs_;
    std::array<PageBox, RKV3Canvas::RegionPalette::Size> boxes_;
    std::array<std::size_t, RKV3Canvas::RegionPalette::Size> pixels_{};
    std::size_t stride_ = 1;
    int height_ = 0;
};

// Colours the pixels of the regions in the set, and only those, from src
// into dst; both hold the indexed page with the same stride. The result on
// those pixels is what RenderPixelRows gives.
RKV3CANVAS_EXPORT void RenderRegions(const RegionRunIndex& index, const RegionSet& regions,
                                     const std::uint32_t* src, std::uint32_t* dst,
                                     const RKV3Canvas::RegionPalette& palette);
