#include "coloreditor/MaterialSamples.h"

#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr int N = MaterialSamples::SampleSize;
constexpr double Pi = 3.14159265358979323846;

// A fixed integer hash, so the grain is the same on every machine and run.
std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

// Grain in -amplitude..amplitude (whole grey steps), evenly spread.
int grain(int x, int y, std::uint32_t seed, int amplitude)
{
    return int(hash3(std::uint32_t(x), std::uint32_t(y), seed) % std::uint32_t(2 * amplitude + 1)) - amplitude;
}

double smoothstep(double edge0, double edge1, double x)
{
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double mix(double a, double b, double t) { return a + (b - a) * t; }

// Stores a grey level, limited to lo..hi, into every channel of pixel (x, y).
void putGrey(QImage& image, int x, int y, double level, int lo, int hi)
{
    const int v = std::clamp(int(std::lround(level)), lo, hi);
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = qRgb(v, v, v);
}

QImage blankSample()
{
    QImage image(N, N, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace

namespace MaterialSamples {

int count() { return 4; }

const MaterialSample& sample(int index)
{
    static const std::array<MaterialSample, 4> samples = {{
        {QString::fromLatin1(QT_TRANSLATE_NOOP("MaterialPreview", "Paint")), drawPaint()},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("MaterialPreview", "Glass")), drawGlass()},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("MaterialPreview", "Rubber")), drawRubber()},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("MaterialPreview", "Metallic")), drawMetallic()},
    }};
    static const MaterialSample none;
    if (index < 0 || index >= count()) return none;
    return samples[std::size_t(index)];
}

QImage drawPaint()
{
    // Pointy-topped hexagons on a lattice: horizontal neighbours 2 x inner
    // radius apart, rows sqrt(3) x inner radius apart, odd rows shifted by
    // half a tile. Inside its cell, a pixel's distance to the tile edge is the
    // inner radius minus the largest projection onto the three edge normals.
    constexpr double innerRadius = 14.0;
    const double colStep = 2.0 * innerRadius;
    const double rowStep = std::sqrt(3.0) * innerRadius;
    const double normals[3][2] = {{1.0, 0.0}, {0.5, std::sqrt(3.0) / 2.0}, {-0.5, std::sqrt(3.0) / 2.0}};
    // Light from the upper left (image y grows downwards).
    const double lightLen = std::hypot(1.0, 1.3);
    const double light[2] = {-1.0 / lightLen, -1.3 / lightLen};

    QImage image = blankSample();
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const int row0 = int(std::floor(py / rowStep));
            double bestDist = 1e9, dx = 0, dy = 0;
            int tileRow = 0, tileCol = 0;
            for (int row = row0 - 1; row <= row0 + 1; ++row) {
                const double shift = (row & 1) ? innerRadius : 0.0;
                const int col0 = int(std::floor((px - shift) / colStep));
                for (int col = col0 - 1; col <= col0 + 1; ++col) {
                    const double cx = col * colStep + shift, cy = row * rowStep;
                    const double d = std::hypot(px - cx, py - cy);
                    if (d < bestDist) {
                        bestDist = d;
                        dx = px - cx;
                        dy = py - cy;
                        tileRow = row;
                        tileCol = col;
                    }
                }
            }
            double hexNorm = -1.0, outX = 0, outY = 0;
            for (const auto& n : normals) {
                const double p = dx * n[0] + dy * n[1];
                if (std::abs(p) > hexNorm) {
                    hexNorm = std::abs(p);
                    outX = p < 0 ? -n[0] : n[0];
                    outY = p < 0 ? -n[1] : n[1];
                }
            }
            const double edge = innerRadius - hexNorm;  // 0 on the tile border

            // Flat face: mid grey, a little different from tile to tile.
            const double face = 160.0 + grain(tileCol + 64, tileRow + 64, 7, 8);
            // Bevel: the raised tile's rim, lit where it faces the light.
            const double facing = outX * light[0] + outY * light[1];
            const double bevel = 160.0 + 92.0 * facing;
            double level = mix(face, bevel, smoothstep(5.5, 2.5, edge));
            // Groove between tiles.
            level = mix(26.0, level, smoothstep(0.9, 2.3, edge));
            level += grain(x, y, 11, 6);
            putGrey(image, x, y, level, 32, 247);
        }
    }
    return image;
}

QImage drawGlass()
{
    // A rectangle whose edge fades over a soft band into the dark border;
    // inside it brightens towards the top, with a diagonal sheen.
    constexpr double left = 26, top = 22, right = 110, bottom = 114;
    constexpr double softInside = 10.0, softOutside = 14.0;
    QImage image = blankSample();
    for (int y = 0; y < N; ++y) {
        for (int x = 0; x < N; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double ox = std::max({left - px, 0.0, px - right});
            const double oy = std::max({top - py, 0.0, py - bottom});
            double signedDist;  // negative inside the rectangle
            if (ox > 0 || oy > 0)
                signedDist = std::hypot(ox, oy);
            else
                signedDist = -std::min({px - left, right - px, py - top, bottom - py});
            const double glow = smoothstep(softOutside, -softInside, signedDist);
            const double inside = 236.0 + 22.0 * (bottom - py) / (bottom - top);
            const double sheenDist = std::abs((px - 0.55 * py) - 52.0);
            const double sheen = 14.0 * smoothstep(7.0, 0.0, sheenDist);
            putGrey(image, x, y, 39.0 + (inside + sheen - 39.0) * glow, 39, 255);
        }
    }
    return image;
}

QImage drawRubber()
{
    // Top 185 down to 100 at the bottom, a faint lighter band a third of the
    // way down, and grain.
    QImage image = blankSample();
    for (int y = 0; y < N; ++y) {
        const double t = y / double(N - 1);
        const double band = 13.0 * std::exp(-std::pow((y - 44.0) / 7.0, 2.0));
        const double base = 185.0 - 85.0 * t + band;
        for (int x = 0; x < N; ++x) putGrey(image, x, y, base + grain(x, y, 23, 9), 95, 192);
    }
    return image;
}

QImage drawMetallic()
{
    // A polished cylinder seen from the side: black at the top and bottom
    // edges, a highlight that saturates to white across the middle, and faint
    // brushed streaks that follow the rows.
    QImage image = blankSample();
    for (int y = 0; y < N; ++y) {
        const double profile = std::pow(std::sin(Pi * (y + 0.5) / N), 2.4);
        for (int x = 0; x < N; ++x) {
            const double streak = grain(x / 9, y, 31, 6) + 0.5 * grain(x, y, 37, 4);
            putGrey(image, x, y, profile * (268.0 + streak), 0, 255);
        }
    }
    return image;
}

}  // namespace MaterialSamples
