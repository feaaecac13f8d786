#pragma once

// The colouring rule of a page, written out plainly for tests, so that what
// the program prints or saves can be compared with a page coloured here from
// the page image's own bytes and never through the code under test.
#include <QImage>
#include <algorithm>
#include <functional>

// A region's colour and blend offset.
struct RegionColor {
    int red, green, blue, offset;
};

// Each pixel (red the shading level, green the region, blue the ink) takes
// its region's colour plus the shading level and the blend offset, each
// channel held to 0..255, then darkened by one for each ink step below 255
// and held again.
inline QImage ColorByRule(QImage page, const std::function<RegionColor(int region)>& colorOf)
{
    page = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            const RegionColor c = colorOf(qGreen(pixel));
            const auto channel = [&](int color) {
                return std::clamp(std::clamp(qRed(pixel) + color + c.offset, 0, 255) + qBlue(pixel) - 255, 0, 255);
            };
            page.setPixel(x, y, qRgb(channel(c.red), channel(c.green), channel(c.blue)));
        }
    return page;
}
