#include "render/PrintSheetLayout.h"

#include "render/PrintTiling.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole pixels of `inches` at `resolution`, the last one only when it fits
// whole (a hair of rounding in the float inches is forgiven).
int pixelsThatFit(float inches, int resolution)
{
    const double pixels = std::floor(double(inches) * resolution + 1e-3);
    if (!(pixels >= 1)) return 0;  // also not a number
    return pixels > 1e9 ? 1000000000 : int(pixels);
}

// The gap between a bar's end and its label, and between the metric label
// and the imperial bar; the bars begin this far right of `left`.
constexpr float LabelGap = 0.05f;
constexpr float BarGap = 0.25f;
constexpr float BarIndent = 0.1f;

void addBar(std::vector<PrintLine>& lines, float x, float baseline, float length, int steps)
{
    lines.push_back({x, baseline, x + length, baseline});
    for (int i = 0; i <= steps; ++i) {
        const float at = x + length * float(i) / float(steps);
        const float tick = (i == 0 || i == steps) ? ScaleBarEndTick : ScaleBarTick;
        lines.push_back({at, baseline, at, baseline - tick});
    }
}

}  // namespace

PrintArea TileArea(float printWidth, float printHeight, float hOffset, float vOffset)
{
    return {hOffset, vOffset + PrintHeaderBand, printWidth - 2 * hOffset,
            printHeight - 2 * vOffset - PrintTextBands};
}

bool PageOverflowsArea(float pageWidth, float pageHeight, const PrintArea& area)
{
    return pageWidth > area.width || pageHeight > area.height;
}

std::vector<PartSpan> CutSpans(int length, int widest, int overlap)
{
    if (widest < 1 || overlap < 0 || length < 1) return {};
    if (length <= widest) return {{0, length}};
    if (overlap >= widest) return {};
    const int step = widest - overlap;
    const long long count = (static_cast<long long>(length) - overlap + step - 1) / step;
    if (count > MaxSplitSheets) return {};
    std::vector<PartSpan> spans;
    spans.reserve(size_t(count));
    for (long long c = 0; c < count; ++c) {
        const int start = int(c * step);
        spans.push_back({start, std::min(widest, length - start)});
    }
    return spans;
}

SplitPlan PlanSplit(int pageWidth, int pageHeight, int resolution, const PrintArea& area, float overlap)
{
    SplitPlan plan;
    if (resolution <= 0 || pageWidth < 1 || pageHeight < 1) {
        plan.refusal = SplitRefusal::NoArea;
        return plan;
    }
    plan.widestPart = pixelsThatFit(area.width, resolution);
    plan.tallestPart = pixelsThatFit(area.height, resolution);
    const double overlapPixels = std::nearbyint(double(overlap) * resolution);
    if (plan.widestPart < 1 || plan.tallestPart < 1) {
        plan.refusal = SplitRefusal::NoArea;
        return plan;
    }
    if (!(overlapPixels >= 0)) {
        plan.refusal = SplitRefusal::NegativeOverlap;
        return plan;
    }
    plan.overlap = overlapPixels > 1e9 ? 1000000000 : int(overlapPixels);
    // An overlap as long as a part is refused whether or not this page needs
    // cutting, so the same choice holds for every page of a job.
    if (plan.overlap >= plan.widestPart || plan.overlap >= plan.tallestPart) {
        plan.refusal = SplitRefusal::OverlapTooLarge;
        return plan;
    }
    plan.columns = CutSpans(pageWidth, plan.widestPart, plan.overlap);
    plan.rows = CutSpans(pageHeight, plan.tallestPart, plan.overlap);
    if (plan.columns.empty() || plan.rows.empty()
        || plan.columns.size() * plan.rows.size() > size_t(MaxSplitSheets)) {
        plan.refusal = SplitRefusal::TooManySheets;
        plan.columns.clear();
        plan.rows.clear();
        return plan;
    }
    for (size_t r = 0; r < plan.rows.size(); ++r)
        for (size_t c = 0; c < plan.columns.size(); ++c)
            plan.parts.push_back({int(r), int(c), plan.columns[c].start, plan.rows[r].start,
                                  plan.columns[c].length, plan.rows[r].length});
    return plan;
}

std::vector<PrintLine> TrimMarks(const SplitPlan& plan, const PagePart& part, int resolution, float x, float y)
{
    std::vector<PrintLine> marks;
    if (resolution <= 0) return marks;
    const float r = float(resolution);
    const float width = float(part.width) / r;
    const float height = float(part.height) / r;
    const auto across = [&](float at) {  // a line at x = at, marked at the top and bottom edges
        marks.push_back({x + at, y, x + at, y + std::min(TrimMarkLength, height)});
        marks.push_back({x + at, y + height, x + at, y + height - std::min(TrimMarkLength, height)});
    };
    const auto down = [&](float at) {  // a line at y = at, marked at the left and right edges
        marks.push_back({x, y + at, x + std::min(TrimMarkLength, width), y + at});
        marks.push_back({x + width, y + at, x + width - std::min(TrimMarkLength, width), y + at});
    };
    const size_t column = size_t(part.column), row = size_t(part.row);
    // The left neighbour's picture reaches to its end; the right one's
    // begins at its start.
    if (column > 0) {
        const PartSpan& left = plan.columns[column - 1];
        across(float(left.start + left.length - part.x) / r);
    }
    if (column + 1 < plan.columns.size()) across(float(plan.columns[column + 1].start - part.x) / r);
    if (row > 0) {
        const PartSpan& above = plan.rows[row - 1];
        down(float(above.start + above.length - part.y) / r);
    }
    if (row + 1 < plan.rows.size()) down(float(plan.rows[row + 1].start - part.y) / r);
    return marks;
}

float FitScale(float pageWidth, float pageHeight, const PrintArea& area)
{
    if (!(pageWidth > 0) || !(pageHeight > 0)) return 1.0f;
    const float scale = std::min({1.0f, area.width / pageWidth, area.height / pageHeight});
    return scale > 0 ? scale : 1.0f;
}

ScaleBarLayout LayOutScaleBars(float left, float baseline, float metricLabelWidth, float labelHeight)
{
    ScaleBarLayout layout;
    const float metricX = left + BarIndent;
    addBar(layout.lines, metricX, baseline, MetricBarLength, 5);
    layout.metricLabelX = metricX + MetricBarLength + LabelGap;
    const float imperialX = layout.metricLabelX + metricLabelWidth + BarGap;
    addBar(layout.lines, imperialX, baseline, ImperialBarLength, 4);
    layout.imperialLabelX = imperialX + ImperialBarLength + LabelGap;
    layout.labelTop = baseline - labelHeight;
    return layout;
}
