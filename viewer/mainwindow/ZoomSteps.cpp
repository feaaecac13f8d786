#include "mainwindow/ZoomSteps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ZoomSteps {

namespace {

// Every step, lowest first: the list's items, then a few above 100 %.
constexpr std::array<int, 15> Steps{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 125, 150, 200, 300, 400};

// The largest whole percent whose view of a page fits the viewport: the
// view page x z / 100 must stay below viewport - thumb.
int FitAxis(int viewport, int page, int thumb)
{
    const long long room = (long long)viewport - thumb;
    if (page <= 0) return std::numeric_limits<int>::max();
    if (room <= 0) return 0;
    // page x z < 100 x room, so z is the last whole number below 100 x room / page.
    const long long limit = 100 * room;
    return int((limit - 1) / page);
}

}  // namespace

int Next(double zoom, int direction, int highest)
{
    if (direction > 0) {
        for (const int step : Steps)
            if (step > zoom && step <= highest) return step;
    } else if (direction < 0) {
        for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
            if (*it < zoom && *it <= highest) return *it;
    }
    return int(std::lround(zoom));
}

int ListIndex(double zoom)
{
    for (int i = 0; Steps[size_t(i)] <= ListMaxZoom; ++i)
        if (Steps[size_t(i)] == zoom) return i;
    return -1;
}

QString Text(int zoom) { return QStringLiteral("%1%").arg(zoom); }

int Fit(int viewportWidth, int pageWidth, int thumbWidth, int viewportHeight, int pageHeight, int thumbHeight)
{
    const int fit = std::min(FitAxis(viewportWidth, pageWidth, thumbWidth),
                             FitAxis(viewportHeight, pageHeight, thumbHeight));
    return std::clamp(fit, MinZoom, MaxZoom);
}

int ActualSize(double screenDotsPerInch, int pixelsPerInch)
{
    if (pixelsPerInch <= 0 || !(screenDotsPerInch > 0)) return ListMaxZoom;
    const double zoom = 100.0 * screenDotsPerInch / pixelsPerInch;
    return int(std::lround(std::clamp(zoom, double(MinZoom), double(MaxZoom))));
}

}  // namespace ZoomSteps
