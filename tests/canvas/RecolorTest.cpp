// A render after colour changes recolours only the changed regions; its
// result must be what a full render of the page gives, whatever happened to
// the buffer in between. Shrinking the view averages areas the same way
// whatever part of it is painted.
#include "CanvasFixture.h"
#include "render/PageScaler.h"

#include <QPainter>

#include <vector>

namespace {

// Regions in blocks (runs of 1 to 13 pixels, by row), shade and ink varying
// within.
QImage BlockPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            page.setPixel(x, y, PagePixel((x * 7 + y) & 0xFF, ((x + y % 11) / (1 + y % 13) + (y / 5) * 3) % 256,
                                          255 - (x & 0x3F)));
    return page;
}

// Every block of 2 x 2 to 16 x 16 pixels sums to exactly half way between
// two multiples of its area (checkers of q and q + 1, q even or odd), but
// for the blocks that hold a pixel made one more or one less.
QImage HalfwayPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int q = (x / 16 * 5 + y / 16 * 3) % 250 + 1, odd = (x + y) & 1;
            const int nudge = x % 16 == 5 && y % 16 == 10 ? q % 3 - 1 : 0;
            page.setPixel(x, y, PagePixel(q + odd + nudge, 253 - q + 1 - odd, q * 7 % 251 + odd - nudge));
        }
    return page;
}

void colorAll(RKV3CanvasCtl& c, int shift)
{
    for (short r = 0; r < 256; ++r) c.UpdatePaletteColor(r, r * 0x030507 + shift, short(-127 + shift));
}

// The page rendered from scratch by a fresh control with the same colours.
QImage fullRender(const QString& path, int shift, const std::vector<std::pair<short, int>>& changes)
{
    RKV3CanvasCtl fresh;
    colorAll(fresh, shift);
    for (const auto& [region, color] : changes) fresh.UpdatePaletteColor(region, color, 0);
    fresh.LoadRKVImage(path);
    fresh.RenderRKVPage();
    return fresh.Picture().copy();
}

}  // namespace

TEST_F(CanvasFixture, RecoloringChangedRegionsGivesTheFullRender)
{
    const QString path = savePage(BlockPage(301, 97));
    colorAll(*canvas, 0);
    canvas->LoadRKVImage(path);
    canvas->RenderRKVPage();
    canvas->setZoom(100);
    std::vector<std::pair<short, int>> changes = {{3, 0x102030}, {200, 0xFF00FF}};
    for (const auto& [region, color] : changes) canvas->UpdatePaletteColor(region, color, 0);
    canvas->RenderRKVPage();
    EXPECT_EQ(canvas->Picture(), fullRender(path, 0, changes));

    // A host's drawing on the buffer is covered by the next render, as a
    // full render covers it.
    QPainter(RKV3CanvasCtl::SurfaceFromHandle(canvas->BufferhDC())).fillRect(0, 0, 300, 90, Qt::black);
    changes.push_back({4, 0x00FF00});
    canvas->UpdatePaletteColor(4, 0x00FF00, 0);
    canvas->RenderRKVPage();
    EXPECT_EQ(canvas->Picture(), fullRender(path, 0, changes));

    // A buffer narrower than the page gets the part of the page it holds.
    canvas->setCanvasWidth(120);
    changes.push_back({5, 0x0000FF});
    canvas->UpdatePaletteColor(5, 0x0000FF, 0);
    canvas->RenderRKVPage();
    EXPECT_EQ(canvas->Picture(), fullRender(path, 0, changes).copy(0, 0, 120, 97));

    // Every region changed at once, and the page shown uncoloured between.
    canvas->setCanvasWidth(301);
    canvas->setDrawSmooth(true);
    canvas->RenderRKVPage();
    canvas->setDrawSmooth(false);
    colorAll(*canvas, 1);
    canvas->RenderRKVPage();
    EXPECT_EQ(canvas->Picture(), fullRender(path, 1, {}));
}

TEST(PageScaler, PartsMadeApartFitTheWholeAndAveragesKeepUniformColors)
{
    const QImage page = PatternPage(203, 151);
    const ScaleSource source{reinterpret_cast<const std::uint32_t*>(page.constBits()),
                             std::size_t(page.bytesPerLine() / 4), 203, 151};
    std::vector<std::uint32_t> whole(61 * 47), parts(61 * 47);
    ScaleDownPart(source, 61, 47, 0, 0, 61, 47, whole.data(), 61);
    for (const QRect r : {QRect(0, 0, 23, 19), QRect(23, 0, 38, 19), QRect(0, 19, 61, 28)})
        ScaleDownPart(source, 61, 47, r.x(), r.y(), r.width(), r.height(),
                      parts.data() + r.y() * 61 + r.x(), 61);
    EXPECT_EQ(parts, whole);

    const QImage flat = UniformPage(97, 89, 10, 200, 30);
    const ScaleSource flatSource{reinterpret_cast<const std::uint32_t*>(flat.constBits()),
                                 std::size_t(flat.bytesPerLine() / 4), 97, 89};
    std::vector<std::uint32_t> small(13 * 11);
    ScaleDownPart(flatSource, 13, 11, 0, 0, 13, 11, small.data(), 13);
    for (std::uint32_t px : small) ASSERT_EQ(px, PagePixel(10, 200, 30));
}

TEST(PageScaler, BlocksOf2To16AverageRoundedHalfUp)
{
    const QImage page = HalfwayPage(368, 208);
    const ScaleSource source{reinterpret_cast<const std::uint32_t*>(page.constBits()),
                             std::size_t(page.bytesPerLine() / 4), 368, 208};
    for (int factor : {2, 4, 8, 16}) {
        const int w = 368 / factor, h = 208 / factor;
        std::vector<std::uint32_t> got(std::size_t(w * h));
        // Parts with widths that are not a multiple of four.
        for (const QRect r : {QRect(0, 0, 7, h), QRect(7, 0, w - 7, 5), QRect(7, 5, w - 7, h - 5)})
            ScaleDownPart(source, w, h, r.x(), r.y(), r.width(), r.height(),
                          got.data() + r.y() * w + r.x(), std::size_t(w));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum[3] = {0, 0, 0};
                for (int dy = 0; dy < factor; ++dy)
                    for (int dx = 0; dx < factor; ++dx)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += (page.pixel(x * factor + dx, y * factor + dy) >> (8 * c)) & 0xFF;
                std::uint32_t want = 0xFF000000u;
                for (int c = 0; c < 3; ++c)
                    want |= std::uint32_t((sum[c] + factor * factor / 2) / (factor * factor)) << (8 * c);
                ASSERT_EQ(got[std::size_t(y * w + x)], want) << factor << " at " << x << "," << y;
            }
    }
}
