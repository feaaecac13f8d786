// Which region lies under a point: the mapping arithmetic on its own, and the
// control reading its raw page through both scale modes.
#include "CanvasFixture.h"

#include "platform/Metrics.h"
#include "render/RegionPicking.h"

#include <cmath>
#include <limits>

namespace {

// Region number = (x + 16 y) mod 256, so neighbouring pixels differ.
QImage NumberedPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) page.setPixel(x, y, PagePixel(127, (x + 16 * y) % 256, 255));
    return page;
}

int regionOf(int x, int y) { return (x + 16 * y) % 256; }

}  // namespace

TEST(RegionPickingMath, PixelContainingTakesThePixelThatHoldsThePosition)
{
    EXPECT_EQ(PixelContaining(0.0f, 10), 0);
    EXPECT_EQ(PixelContaining(0.999f, 10), 0);
    EXPECT_EQ(PixelContaining(9.999f, 10), 9);
    EXPECT_EQ(PixelContaining(10.0f, 10), -1);
    // Just left of the page is outside, not pixel 0 (no truncation toward 0).
    EXPECT_EQ(PixelContaining(-0.5f, 10), -1);
    EXPECT_EQ(PixelContaining(std::numeric_limits<float>::quiet_NaN(), 10), -1);
    EXPECT_EQ(PixelContaining(std::numeric_limits<float>::infinity(), 10), -1);
    EXPECT_EQ(PixelContaining(1e20f, 10), -1);
    EXPECT_EQ(PixelContaining(0.0f, 0), -1);
}

TEST(RegionPickingMath, TwipsModeTestsTheViewEdgesStrictly)
{
    const PickViewRect view{30, 40, 50, 25};  // a 100-pixel page at 50 per cent
    const double tx = 15;
    const double ty = 12;  // different vertical density
    auto at = [&](double xp, double yp) { return MapPointToPage(float(xp * tx), float(yp * ty), 0, view, 100, tx, ty); };
    EXPECT_FALSE(at(30, 50).onView);  // on the left edge
    EXPECT_FALSE(at(50, 40).onView);  // on the top edge
    EXPECT_FALSE(at(80, 50).onView);  // on the right edge
    EXPECT_FALSE(at(50, 65).onView);  // on the bottom edge
    const PagePosition inside = at(30.5, 40.5);
    ASSERT_TRUE(inside.onView);
    EXPECT_FLOAT_EQ(inside.x, 1);
    EXPECT_FLOAT_EQ(inside.y, 1);
    const PagePosition corner = at(79.5, 64.5);
    ASSERT_TRUE(corner.onView);
    EXPECT_FLOAT_EQ(corner.x, 99);
    EXPECT_FLOAT_EQ(corner.y, 49);
}

TEST(RegionPickingMath, ColorOfAPageAndMinusOneOffIt)
{
    const std::uint32_t pixels[2 * 3] = {PagePixel(1, 2, 3), PagePixel(4, 5, 6), 0,
                                         PagePixel(7, 255, 9), PagePixel(10, 11, 12), 0};
    // Rows are 3 words apart; the page is 2 x 2.
    EXPECT_EQ(PageColorAt(pixels, 3, 2, 2, 0.5f, 1.5f), 7 + 256 * 255 + 65536 * 9);
    EXPECT_EQ(PageColorAt(pixels, 3, 2, 2, 1.99f, 0.0f), 4 + 256 * 5 + 65536 * 6);
    EXPECT_EQ(PageColorAt(pixels, 3, 2, 2, 2.0f, 0.0f), -1);
    EXPECT_EQ(PageColorAt(pixels, 3, 2, 2, 0.0f, -0.01f), -1);
    EXPECT_EQ(PageColorAt(nullptr, 3, 2, 2, 0.0f, 0.0f), -1);
}

class RegionPicking : public CanvasFixture {
protected:
    // The view's top left in the control's frame, in pixels.
    QPoint viewInControl() const { return view()->mapTo(canvas.get(), QPoint(0, 0)); }
    float twipsX(double px) const { return float(px * Platform::Metrics::twipsPerPixelX()); }
    float twipsY(double px) const { return float(px * Platform::Metrics::twipsPerPixelY()); }
};

TEST_F(RegionPicking, ViewPixelsAt200And50PerCent)
{
    showPage(NumberedPage(64, 48), 200);
    ASSERT_EQ(view()->size(), QSize(128, 96));
    EXPECT_EQ(canvas->GetRegionValue(10, 10, 1), regionOf(5, 5));
    EXPECT_EQ(canvas->GetRegionValue(11.9f, 9.5f, 1), regionOf(5, 4));
    canvas->setZoom(50);
    ASSERT_EQ(view()->size(), QSize(32, 24));
    EXPECT_EQ(canvas->GetRegionValue(10, 10, 1), regionOf(20, 20));
    // Any scale mode other than 0 means view pixels.
    EXPECT_EQ(canvas->GetRegionValue(10, 10, -3), regionOf(20, 20));
}

TEST_F(RegionPicking, PointsOffThePageArePaper)
{
    showPage(UniformPage(40, 30, 127, 9, 255), 100);
    EXPECT_EQ(canvas->GetRegionValue(0, 0, 1), 9);
    EXPECT_EQ(canvas->GetRegionValue(-1, 5, 1), 0);
    EXPECT_EQ(canvas->GetRegionValue(5, -0.25f, 1), 0);
    EXPECT_EQ(canvas->GetRegionValue(40, 5, 1), 0);
    EXPECT_EQ(canvas->GetRegionValue(39.9f, 29.9f, 1), 9);
}

TEST_F(RegionPicking, TwipsModeReturnsPaperInTheMarginAndHonoursTheEdges)
{
    showPage(UniformPage(80, 60, 127, 7, 255), 50);
    const QPoint v = viewInControl();
    ASSERT_GT(v.x(), 20);  // the small page sits in a wide margin
    ASSERT_EQ(view()->size(), QSize(40, 30));
    EXPECT_EQ(canvas->GetRegionValue(twipsX(5), twipsY(5), 0), 0);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() - 3), twipsY(v.y() + 10), 0), 0);
    // Exactly on the left or top edge is outside; just inside is the page.
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x()), twipsY(v.y() + 10), 0), 0);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() + 10), twipsY(v.y()), 0), 0);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() + 0.5), twipsY(v.y() + 0.5), 0), 7);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() + 39.5), twipsY(v.y() + 29.5), 0), 7);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() + 40), twipsY(v.y() + 10), 0), 0);
    EXPECT_EQ(canvas->GetRegionValue(twipsX(v.x() + 10), twipsY(v.y() + 30), 0), 0);
}

TEST_F(RegionPicking, RecoloringAndReplacingTheBufferDoNotChangeAPick)
{
    QImage page = NumberedPage(30, 20);
    page.setPixel(3, 4, PagePixel(0, 255, 0));  // dark, inked, region 255
    showPage(page, 100);
    EXPECT_EQ(canvas->GetRegionValue(3.5f, 4.5f, 1), 255);
    const uchar before = canvas->GetRegionValue(12, 2, 1);
    canvas->UpdatePaletteColor(255, 0x00FF00, 100);
    canvas->UpdatePaletteColor(short(regionOf(12, 2)), 0x123456, -127);
    canvas->RenderRKVPage();
    EXPECT_EQ(canvas->GetRegionValue(3.5f, 4.5f, 1), 255);
    EXPECT_EQ(canvas->GetRegionValue(12, 2, 1), before);
    QImage other(30, 20, QImage::Format_RGB32);
    other.fill(qRgb(1, 2, 3));
    canvas->setPicture(other);
    EXPECT_EQ(canvas->GetRegionValue(12, 2, 1), before);
}

TEST_F(RegionPicking, NoPageMeansPaper)
{
    EXPECT_EQ(canvas->GetRegionValue(10, 10, 1), 0);
    showPage(UniformPage(10, 10, 127, 4, 255), 100);
    canvas->LoadRKVImage();  // the loader is emptied
    EXPECT_EQ(canvas->GetRegionValue(1, 1, 1), 0);
}
