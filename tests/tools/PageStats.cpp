#include "PageStats.h"

#include <vector>

PageStats PageStats::of(const QImage& source)
{
    const QImage page = source.convertToFormat(QImage::Format_RGB32);
    PageStats stats;
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const int shade = qRed(row[x]), region = qGreen(row[x]), ink = qBlue(row[x]);
            ++stats.regions[std::size_t(region)];
            ++stats.inks[std::size_t(ink)];
            if (ink == 255) {
                ++stats.shadesByRegion[std::size_t(region)][std::size_t(shade)];
                if (region > 0) ++stats.faceShades[std::size_t(shade)];
            }
        }
    }
    return stats;
}

int PageStats::mostCommon(const std::array<long long, 256>& counts)
{
    int best = 0;
    for (int i = 1; i < 256; ++i)
        if (counts[std::size_t(i)] > counts[std::size_t(best)]) best = i;
    return best;
}

double PageStats::share(const std::array<long long, 256>& counts, int level)
{
    long long total = 0;
    for (long long c : counts) total += c;
    return total ? double(counts[std::size_t(level)]) / double(total) : 0.0;
}

long long PaperReachableFromCorner(const QImage& source)
{
    const QImage page = source.convertToFormat(QImage::Format_RGB32);
    const int w = page.width(), h = page.height();
    std::vector<char> seen(std::size_t(w) * std::size_t(h), 0);
    auto isPaper = [&](int x, int y) { return qGreen(page.pixel(x, y)) == 0; };
    std::vector<std::pair<int, int>> stack;
    if (isPaper(0, 0)) stack.emplace_back(0, 0);
    long long count = 0;
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        char& s = seen[std::size_t(y) * std::size_t(w) + std::size_t(x)];
        if (s || !isPaper(x, y)) continue;
        s = 1;
        ++count;
        stack.emplace_back(x + 1, y);
        stack.emplace_back(x - 1, y);
        stack.emplace_back(x, y + 1);
        stack.emplace_back(x, y - 1);
    }
    return count;
}
