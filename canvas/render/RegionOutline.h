#pragma once

#include "render/CanvasExport.h"
#include "render/RegionRunIndex.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A straight piece of a region's boundary, from (x1, y1) to (x2, y2), on the
// grid of pixel corners of the page: horizontal (y1 = y2) or vertical
// (x1 = x2), with x1 <= x2 and y1 <= y2.
struct OutlineEdge {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Where one region lies on a page, in page pixels: rectangles that together
// cover exactly its pixels (no two overlapping), the boundary between its
// pixels and every other pixel, and the box holding it all.
struct RegionShape {
    std::vector<PageBox> rects;
    std::vector<OutlineEdge> edges;
    PageBox box;
    bool empty() const { return rects.empty(); }
};

// The runs of one region found by reading the page itself, row by row, for a
// page shown without a run index. pixels are 32-bit words (region = green
// byte), stride words per row.
RKV3CANVAS_EXPORT std::vector<PixelRun> ScanRegionRuns(const std::uint32_t* pixels, std::size_t stride,
                                                       int width, int height, int region);

// The shape of the region whose runs (in row order, left to right, as the run
// index and ScanRegionRuns give them) lie on a page of stride words per row.
// Runs of equal extent in consecutive rows become one rectangle; the
// boundary's unit pieces along one line are joined into long edges.
RKV3CANVAS_EXPORT RegionShape TraceRegion(const std::vector<PixelRun>& runs, std::size_t stride);
