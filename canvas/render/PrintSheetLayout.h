#pragma once

#include "render/CanvasExport.h"

#include <vector>

// The print layouts beyond tiling and centring: a page split across sheets
// in overlapping parts, a page fitted to the sheet, the trim marks of the
// parts and the scale bar of the footer band. Page lengths are pixels,
// sheet lengths inches (32-bit floats), as in PrintTiling.h.

// What a print job adds to the tile mode. With every member at its default
// a page prints exactly as the tile mode alone says.
struct PrintSheetOptions {
    bool split = false;     // the page cut into parts, one part per sheet, at true size
    float overlap = 0;      // inches shared by neighbouring parts
    bool fit = false;       // one centred copy scaled down to the area (centred mode only)
    bool scaleBar = false;  // the 50 mm and 2 in bars in the footer band
};

// The area a tiled copy may use: the printable area inside the offsets,
// less the header band above and the footer band below.
struct PrintArea {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};
RKV3CANVAS_EXPORT PrintArea TileArea(float printWidth, float printHeight, float hOffset, float vOffset);

// True when a page of these inches does not fit the area at its true size.
RKV3CANVAS_EXPORT bool PageOverflowsArea(float pageWidth, float pageHeight, const PrintArea& area);

// One part along one direction of the page: its first pixel and its length.
struct PartSpan {
    int start = 0;
    int length = 0;
};

// The cut rule along one direction: with `length` the page's pixels,
// `widest` the longest part that fits and `overlap` the shared pixels, one
// part when length <= widest; otherwise ceil((length - overlap) / (widest -
// overlap)) parts, part c starting at c x (widest - overlap) and
// min(widest, length - start) long. Nothing when it cannot be cut (no room
// for a pixel, a negative overlap, or an overlap as long as the part).
RKV3CANVAS_EXPORT std::vector<PartSpan> CutSpans(int length, int widest, int overlap);

// Why a page cannot be split.
enum class SplitRefusal { None, NoArea, NegativeOverlap, OverlapTooLarge, TooManySheets };

// No page is cut into more parts than this, so a hostile overlap cannot keep
// the printer busy with millions of sheets.
constexpr int MaxSplitSheets = 2500;

// One part of a split page: its place among the parts and its rectangle in
// page pixels.
struct PagePart {
    int row = 0;
    int column = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct SplitPlan {
    SplitRefusal refusal = SplitRefusal::None;
    int widestPart = 0;   // pixels of the widest part that fits
    int tallestPart = 0;  // pixels of the tallest part that fits
    int overlap = 0;      // shared pixels, the overlap rounded to whole pixels
    std::vector<PartSpan> columns;
    std::vector<PartSpan> rows;
    // Row by row from the top, each row left to right.
    std::vector<PagePart> parts;

    bool valid() const { return refusal == SplitRefusal::None; }
};

// The parts of a page of pageWidth x pageHeight pixels at `resolution`
// pixels per inch in the area, overlapping by `overlap` inches. An overlap
// as long as the widest or the tallest part that fits is refused, whether
// or not this page needs cutting.
RKV3CANVAS_EXPORT SplitPlan PlanSplit(int pageWidth, int pageHeight, int resolution, const PrintArea& area,
                                      float overlap);

// A straight line on the sheet, inches.
struct PrintLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

// Length of a trim mark, from the edge of the part into its picture.
constexpr float TrimMarkLength = 0.15f;

// The trim marks of a part placed with its top-left corner at (x, y): on
// every edge the part shares with a neighbour, a short line at each end of
// the line where the neighbour's picture begins, so the strip between that
// line and the edge is the one printed on both sheets.
RKV3CANVAS_EXPORT std::vector<PrintLine> TrimMarks(const SplitPlan& plan, const PagePart& part, int resolution,
                                                   float x, float y);

// The scale of Fit to Sheet: the page scaled down, never up, to fit the
// area keeping its proportions; 1 when it fits already.
RKV3CANVAS_EXPORT float FitScale(float pageWidth, float pageHeight, const PrintArea& area);

// The two scale bars of the footer band, drawn at true length: 50 mm with a
// tick every 10 mm, then 2 in with a tick every half inch, each followed by
// its label. They stand on `baseline` (inches down the sheet) from `left`,
// ticks rising from it; a label's width is measured by the printer.
struct ScaleBarLayout {
    std::vector<PrintLine> lines;
    float metricLabelX = 0;    // left edge of "50 mm"
    float imperialLabelX = 0;  // left edge of "2 in"
    float labelTop = 0;
};
constexpr float MetricBarLength = 50.0f / 25.4f;
constexpr float ImperialBarLength = 2.0f;
constexpr float ScaleBarTick = 0.05f;     // a tick inside a bar
constexpr float ScaleBarEndTick = 0.08f;  // the ticks at a bar's ends
RKV3CANVAS_EXPORT ScaleBarLayout LayOutScaleBars(float left, float baseline, float metricLabelWidth,
                                                 float labelHeight);
