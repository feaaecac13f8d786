#include "view/ScrollGeometry.h"

#include "colorbytes/ColorBytes.h"

#include <algorithm>
#include <limits>

ScrollRange ComputeScrollRange(int viewport, double view, int thumb)
{
    ScrollRange r;
    if (double(viewport - thumb) > view) {
        r.fits = true;
        r.centredOffset = (viewport - view) / 2.0;
        return r;
    }
    // The range is as long as the view needs, also beyond the classic 16 bits,
    // so that the whole view can be reached.
    const double max = RoundHalfEven(-(view - double(viewport - thumb) + 4.0));
    r.max = int(std::max(max, double(std::numeric_limits<int>::min())));
    r.middle = int(RoundHalfEven(double(r.max) / 2.0));
    return r;
}
