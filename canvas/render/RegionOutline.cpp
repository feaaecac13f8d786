#include "render/RegionOutline.h"

#include <algorithm>
#include <cstddef>

namespace {

// A run as columns of one row: [left, right).
struct Span {
    int left;
    int right;
};

// The parts of row that the spans of other do not cover; both are sorted and
// their spans do not overlap. Each part is added to edges as a horizontal
// piece on the line y.
void addUncovered(const std::vector<Span>& row, const std::vector<Span>& other, int y,
                  std::vector<OutlineEdge>& edges)
{
    std::size_t k = 0;
    for (const Span& s : row) {
        int from = s.left;
        while (k < other.size() && other[k].right <= from) ++k;
        for (std::size_t j = k; j < other.size() && other[j].left < s.right; ++j) {
            if (other[j].left > from) edges.push_back({from, y, other[j].left, y});
            from = std::max(from, other[j].right);
        }
        if (from < s.right) edges.push_back({from, y, s.right, y});
    }
}

// Joins vertical unit pieces that continue one another on the same column.
void addJoinedVerticals(std::vector<std::pair<int, int>>& units, std::vector<OutlineEdge>& edges)
{
    std::sort(units.begin(), units.end());
    for (std::size_t i = 0; i < units.size();) {
        const int x = units[i].first;
        const int top = units[i].second;
        int bottom = top + 1;
        std::size_t j = i + 1;
        for (; j < units.size() && units[j].first == x && units[j].second <= bottom; ++j)
            bottom = std::max(bottom, units[j].second + 1);
        edges.push_back({x, top, x, bottom});
        i = j;
    }
}

}  // namespace

std::vector<PixelRun> ScanRegionRuns(const std::uint32_t* pixels, std::size_t stride, int width, int height,
                                     int region)
{
    std::vector<PixelRun> runs;
    const std::uint32_t wanted = std::uint32_t(region & 0xFF) << 8;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + std::size_t(y) * stride;
        for (int x = 0; x < width;) {
            if ((row[x] & 0xFF00u) != wanted) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < width && (row[end] & 0xFF00u) == wanted) ++end;
            runs.push_back({std::uint32_t(std::size_t(y) * stride + std::size_t(x)), std::uint32_t(end - x)});
            x = end;
        }
    }
    return runs;
}

RegionShape TraceRegion(const std::vector<PixelRun>& runs, std::size_t stride)
{
    RegionShape shape;
    if (runs.empty() || stride == 0) return shape;

    // The runs grouped by row, each row's spans left to right.
    std::vector<int> rowOf;
    std::vector<std::vector<Span>> rows;
    for (const PixelRun& run : runs) {
        const int y = int(run.start / stride);
        const int x = int(run.start % stride);
        if (rowOf.empty() || rowOf.back() != y) {
            rowOf.push_back(y);
            rows.emplace_back();
        }
        rows.back().push_back({x, x + int(run.length)});
    }
    for (auto& row : rows)
        std::sort(row.begin(), row.end(), [](const Span& a, const Span& b) { return a.left < b.left; });

    const std::vector<Span> none;
    std::vector<std::pair<int, int>> verticals;
    // Rectangles still growing downwards, by their columns.
    std::vector<PageBox> open;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = rowOf[i];
        const std::vector<Span>& row = rows[i];
        const bool aboveAdjacent = i > 0 && rowOf[i - 1] == y - 1;
        const bool belowAdjacent = i + 1 < rows.size() && rowOf[i + 1] == y + 1;
        addUncovered(row, aboveAdjacent ? rows[i - 1] : none, y, shape.edges);
        addUncovered(row, belowAdjacent ? rows[i + 1] : none, y + 1, shape.edges);

        // Both lists run left to right: an open rectangle grows by a span of
        // exactly its columns on the next row, and is finished otherwise.
        std::vector<PageBox> next;
        std::size_t k = 0;
        for (const Span& s : row) {
            verticals.push_back({s.left, y});
            verticals.push_back({s.right, y});
            while (k < open.size() && open[k].left < s.left) shape.rects.push_back(open[k++]);
            if (k < open.size() && open[k].bottom == y && open[k].left == s.left && open[k].right == s.right)
                next.push_back({s.left, open[k++].top, s.right, y + 1});
            else
                next.push_back({s.left, y, s.right, y + 1});
        }
        open.erase(open.begin(), open.begin() + std::ptrdiff_t(k));
        shape.rects.insert(shape.rects.end(), open.begin(), open.end());
        open = std::move(next);
    }
    shape.rects.insert(shape.rects.end(), open.begin(), open.end());
    addJoinedVerticals(verticals, shape.edges);

    shape.box = shape.rects.front();
    for (const PageBox& r : shape.rects) {
        shape.box.left = std::min(shape.box.left, r.left);
        shape.box.top = std::min(shape.box.top, r.top);
        shape.box.right = std::max(shape.box.right, r.right);
        shape.box.bottom = std::max(shape.box.bottom, r.bottom);
    }
    return shape;
}
