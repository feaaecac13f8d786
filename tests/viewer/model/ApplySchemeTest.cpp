// Pushing the scheme into the canvas's region palette.
#include "ModelTestSupport.h"
#include "model/ApplyScheme.h"

#include "view/RKV3CanvasCtl.h"
#include "view/RKV3CanvasCtlTestPeer.h"

#include <QList>
#include <tuple>

namespace util = mdlRKVUtilities;
using namespace modeltest;

using ApplySchemeTest = ModelStateTest;

TEST_F(ApplySchemeTest, MakesExactly255CallsForRegions1To255InOrder)
{
    util::BuildDefaultGrayScheme();
    util::SchemeColors[0] = {1, 2, 3, 4};
    util::SchemeColors[1] = {200, 40, 30, -127};
    util::SchemeColors[255] = {0, 0, 255, 32767};
    QList<std::tuple<short, int, short>> calls;
    ASSERT_TRUE(util::ApplySchemeTo([&](short Index, int ColorValue, short Offset) {
        calls.append({Index, ColorValue, Offset});
        return true;
    }));
    ASSERT_EQ(calls.size(), 255);
    for (int i = 0; i < 255; ++i) EXPECT_EQ(std::get<0>(calls[i]), i + 1);
    EXPECT_EQ(calls[0], std::make_tuple(short(1), 200 + 256 * 40 + 65536 * 30, short(-127)));
    EXPECT_EQ(calls[1], std::make_tuple(short(2), 8355711, short(-127)));
    EXPECT_EQ(calls[254], std::make_tuple(short(255), 16711680, short(32767)));
}

TEST_F(ApplySchemeTest, StopsAtTheFirstFailingCall)
{
    int calls = 0;
    EXPECT_FALSE(util::ApplySchemeTo([&](short Index, int, short) {
        ++calls;
        return Index != 10;
    }));
    EXPECT_EQ(calls, 10);
}

TEST_F(ApplySchemeTest, TheCanvasColorsItsPageInTheScheme)
{
    util::BuildDefaultGrayScheme();
    util::SchemeColors[0] = {1, 2, 3, 0};  // the paper entry lives in the viewer alone
    util::SchemeColors[3] = {200, 40, 30, -127};
    util::SchemeColors[255] = {10, 20, 250, -127};

    RKV3CanvasCtl canvas;
    ASSERT_TRUE(util::ApplyScheme(canvas));
    for (int r = 1; r < 256; ++r) {
        const RKV3Canvas::RegionPaletteEntry& e = RKV3CanvasCtlTestPeer(canvas).Palette().entry(r);
        EXPECT_EQ((util::ColorRecord{e.Red, e.Green, e.Blue, e.Offset}), util::SchemeColors[r]) << r;
    }
    const RKV3Canvas::RegionPaletteEntry& paper = RKV3CanvasCtlTestPeer(canvas).Palette().entry(0);
    EXPECT_EQ((util::ColorRecord{paper.Red, paper.Green, paper.Blue, paper.Offset}), util::PaperColor);

    writePage(path("page.png"), {0, 3, 7, 255});
    canvas.LoadRKVImage(path("page.png"));
    ASSERT_TRUE(canvas.RenderRKVPage());
    const QImage shown = canvas.CanvasImage();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, qRgb(255, 255, 255) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(1, 0) & 0xFFFFFF, qRgb(200, 40, 30) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(2, 1) & 0xFFFFFF, qRgb(127, 127, 127) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(3, 1) & 0xFFFFFF, qRgb(10, 20, 250) & 0xFFFFFF);
}
