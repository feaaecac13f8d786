#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

// Small page images for tests, in the page pixel encoding:
// red = shading level, green = region number, blue = ink level.
inline std::uint32_t PagePixel(int shade, int region, int ink)
{
    return 0xFF000000u | (std::uint32_t(shade) << 16) | (std::uint32_t(region) << 8)
           | std::uint32_t(ink);
}

inline QImage UniformPage(int width, int height, int shade, int region, int ink)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(PagePixel(shade, region, ink));
    return page;
}

// A page whose every pixel differs, so row misalignment shows; pages of
// different seeds differ everywhere, so a page shown or printed in another's
// place shows too.
inline QImage PatternPage(int width, int height, int seed = 0)
{
    QImage page(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(page.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = PagePixel((x * 7 + y * 3 + seed * 40) & 0xFF, (x + y * 5 + seed * 77) % 256,
                               255 - ((x * y + seed * 13) & 0x7F));
    }
    return page;
}
