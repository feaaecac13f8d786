#include "render/RegionPicking.h"

#include <cmath>

PagePosition MapPointToPage(float X, float Y, int ScaleMode, const PickViewRect& view,
                            int loaderWidth, double twipsPerPixelX, double twipsPerPixelY)
{
    PagePosition p;
    if (!(view.Width > 0)) return p;
    const float ratio = float(loaderWidth) / view.Width;
    if (ScaleMode != 0) {
        p.onView = true;
        p.x = X * ratio;
        p.y = Y * ratio;
        return p;
    }
    const float xp = X / float(twipsPerPixelX);
    const float yp = Y / float(twipsPerPixelY);
    if (!(xp > view.Left && yp > view.Top && view.Left + view.Width > xp
          && view.Top + view.Height > yp))
        return p;
    p.onView = true;
    p.x = ratio * (xp - view.Left);
    p.y = ratio * (yp - view.Top);
    return p;
}

int PixelContaining(float position, int extent)
{
    // Written so that NaN and infinities fall outside as well.
    if (!(position >= 0.0f) || !(position < float(extent))) return -1;
    const int index = int(std::floor(position));
    return index < extent ? index : -1;
}

std::int32_t PageColorAt(const std::uint32_t* pixels, int stride, int width, int height, float x,
                         float y)
{
    if (!pixels) return -1;
    const int px = PixelContaining(x, width);
    const int py = PixelContaining(y, height);
    if (px < 0 || py < 0) return -1;
    const std::uint32_t word = pixels[std::size_t(py) * std::size_t(stride) + std::size_t(px)];
    const std::int32_t red = std::int32_t((word >> 16) & 0xFF);
    const std::int32_t green = std::int32_t((word >> 8) & 0xFF);
    const std::int32_t blue = std::int32_t(word & 0xFF);
    return red + 256 * green + 65536 * blue;
}
