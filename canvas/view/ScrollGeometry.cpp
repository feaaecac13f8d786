#include "ScrollGeometry.h"

#include "ColorBytes.h"

#include <cstdint>
#include <limits>

ScrollRange ComputeScrollRange(int viewport, double view, int thumb)
{
    ScrollRange r;
    if (double(viewport - thumb) > view) {
        r.fits = true;
        r.centredOffset = (viewport - view) / 2.0;
        return r;
    }
    const double max = RoundHalfEven(-(view - double(viewport - thumb) + 4.0));
    r.maxFits16 = max >= std::numeric_limits<std::int16_t>::min();
    r.max = r.maxFits16 ? int(max) : 0;
    // Max - Min is formed as a 16-bit integer before halving.
    r.middle = int(RoundHalfEven(double(std::int16_t(r.max - 0)) / 2.0));
    return r;
}
