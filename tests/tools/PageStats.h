#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

// Counts over the three channels of a page image (red = shading,
// green = region, blue = ink).
struct PageStats {
    std::array<long long, 256> regions{};
    std::array<long long, 256> inks{};
    // Shading levels of pixels inside pieces (region > 0) without ink.
    std::array<long long, 256> faceShades{};
    // Shading levels per region of pixels without ink: [region][level].
    std::array<std::array<long long, 256>, 256> shadesByRegion{};

    static PageStats of(const QImage& page);

    // Most frequent shading level over the counted pixels.
    static int mostCommon(const std::array<long long, 256>& counts);
    static double share(const std::array<long long, 256>& counts, int level);
};

// Pixels of region 0 reachable from the top left corner through region 0.
long long PaperReachableFromCorner(const QImage& page);
