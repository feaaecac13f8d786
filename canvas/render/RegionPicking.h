#pragma once

#include "render/CanvasExport.h"

#include <cstdint>

// The view's rectangle in pixels, in the same frame as the point being
// picked (the control's frame in twips mode, once the twips are turned into
// pixels).
struct PickViewRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// A point mapped onto the page: whether it lies on the view at all (only the
// twips mode can say no) and its fractional page position.
struct PagePosition {
    bool onView = false;
    float x = 0;
    float y = 0;
};

// Maps a point to a fractional position on the raw page.
// ScaleMode 0: X and Y are twips in the frame of view; the point must lie
// strictly inside the view (a point on its left or top edge is outside).
// Any other ScaleMode: X and Y are pixels relative to the view's top left.
// The page position is the view position times loader width / view width,
// on both axes. A view without width shows no page: the point is off it.
RKV3CANVAS_EXPORT PagePosition MapPointToPage(float X, float Y, int ScaleMode,
                                              const PickViewRect& view, int loaderWidth,
                                              double twipsPerPixelX, double twipsPerPixelY);

// The index of the pixel that contains a fractional position along an axis of
// extent pixels, or -1 when the position lies outside 0 <= position < extent.
RKV3CANVAS_EXPORT int PixelContaining(float position, int extent);

// The colour value (red + 256 x green + 65536 x blue) of the page pixel that
// contains (x, y), or -1 for a position outside the page. pixels are 32-bit
// 0xAARRGGBB words, stride words per row.
RKV3CANVAS_EXPORT std::int32_t PageColorAt(const std::uint32_t* pixels, int stride, int width,
                                           int height, float x, float y);
