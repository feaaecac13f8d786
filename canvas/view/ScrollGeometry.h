#pragma once

#include "render/CanvasExport.h"

// The scroll range of one axis: whether the view fits in the viewport and,
// when it does not, the bar's Max (Min is 0) and its middle value.
struct ScrollRange {
    bool fits = false;
    double centredOffset = 0;  // view offset that centres a fitting view
    int max = 0;               // negative when the bar is shown
    int middle = 0;            // (Max - Min) / 2, halves to even
};

// viewport: the viewport's extent; view: the view's extent; thumb: the scroll
// bar thumb metric. The view fits only when viewport - thumb > view (strict);
// otherwise the bar runs from 0 to -(view - (viewport - thumb) + 4), so with
// the view scrolled to the end its far edge lies thumb + 4 pixels inside the
// viewport's edge.
RKV3CANVAS_EXPORT ScrollRange ComputeScrollRange(int viewport, double view, int thumb);
