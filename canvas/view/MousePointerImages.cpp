#include "view/MousePointerImages.h"

#include <QGuiApplication>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace MousePointerImages {

namespace {

constexpr QRgb Clear = 0x00000000;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

// Fills the pixels of a shape with black, then rings the shape with white:
// every pixel that touches a black one (also diagonally) and is not black
// itself.
QImage drawShape(const std::function<bool(int, int)>& inShape)
{
    QImage image(Side, Side, QImage::Format_ARGB32);
    image.fill(Clear);
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            if (inShape(x, y)) image.setPixel(x, y, Black);
    QImage outlined = image.copy();
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            if (image.pixel(x, y) == Black) continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    touches = nx >= 0 && ny >= 0 && nx < Side && ny < Side
                              && image.pixel(nx, ny) == Black;
                }
            if (touches) outlined.setPixel(x, y, White);
        }
    return outlined;
}

// A four-way arrow centred on (8, 7): one-pixel shafts reaching reach pixels
// from the centre and arrow heads headDepth rows deep at each end. The black
// part spans 2 x reach + 1 pixels; the outline adds one on each side.
QImage fourWayArrow(int reach, int headDepth)
{
    return drawShape([=](int x, int y) {
        const int dx = std::abs(x - 8);
        const int dy = std::abs(y - 7);
        const bool shaft = (y == 7 && dx <= reach) || (x == 8 && dy <= reach);
        const bool verticalHead = dy > reach - headDepth && dy <= reach && dx <= reach - dy;
        const bool horizontalHead = dx > reach - headDepth && dx <= reach && dy <= reach - dx;
        return shaft || verticalHead || horizontalHead;
    });
}

// A pipette lying on the diagonal from its tip at (10, 20) up to the right:
// a fine tip, a glass tube, a wider collar and the rubber bulb. t runs along
// the axis from the tip, s across it (pixel centres, in pixels).
QImage dropper()
{
    return drawShape([](int x, int y) {
        const double dx = x - 10;
        const double dy = y - 20;
        const double t = (dx - dy) / std::sqrt(2.0);
        const double s = std::abs(dx + dy) / std::sqrt(2.0);
        if (t < 0) return false;
        if (t < 3) return s <= 0.75;   // tip
        if (t < 11.5) return s <= 1.5; // tube
        if (t < 14.5) return s <= 3.3; // collar
        if (t <= 20) return s <= 2.3;  // bulb
        return t <= 21.5 && s <= 1.6;  // the bulb's rounded end
    });
}

const QImage& cached(int index)
{
    static const QImage images[Count] = {dropper(), fourWayArrow(6, 3), fourWayArrow(5, 2)};
    return images[index];
}

}  // namespace

QImage image(int index)
{
    if (index < 0 || index >= Count) return {};
    return cached(index);
}

QPoint hotSpot(int index) { return index == Dropper ? QPoint(10, 20) : QPoint(8, 7); }

QCursor cursor(int index)
{
    if (index < 0 || index >= Count) return QCursor(Qt::ArrowCursor);
    const QPoint hot = hotSpot(index);
    // On a high-density X11 screen each picture pixel becomes a square block
    // of device pixels, so the pointer keeps its size beside the desktop's
    // own and stays crisp. Qt's X11 cursors take the picture and the hot spot
    // in device pixels, so both are scaled; Wayland scales a cursor itself.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    const int factor = x11 ? std::max(1, int(std::lround(qGuiApp->devicePixelRatio()))) : 1;
    const QImage picture = image(index).scaled(Side * factor, Side * factor);
    return QCursor(QPixmap::fromImage(picture), hot.x() * factor, hot.y() * factor);
}

}  // namespace MousePointerImages
