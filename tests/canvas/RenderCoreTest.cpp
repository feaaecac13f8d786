// The region palette's tables and the per-pixel colouring rule, checked
// against hand-worked values and a straightforward reference.
#include "ColorBytes.h"
#include "PageImages.h"
#include "PageRenderer.h"
#include "RegionPalette.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb renderOne(const RegionPalette& palette, int shade, int region, int ink)
{
    const std::uint32_t src = PagePixel(shade, region, ink);
    std::uint32_t dst = 0;
    RenderPixelSpan(&src, &dst, 1, palette);
    return {int((dst >> 16) & 0xFF), int((dst >> 8) & 0xFF), int(dst & 0xFF)};
}

}  // namespace

TEST(ColorBytes, TruncatingDivisionGivesTheDocumentedBytes)
{
    EXPECT_EQ(GetRedByte(0x123456), 0x56);
    EXPECT_EQ(GetGreenByte(0x123456), 0x34);
    EXPECT_EQ(GetBlueByte(0x123456), 0x12);
    // -1: red 255, green and blue 0.
    EXPECT_EQ(GetRedByte(-1), 255);
    EXPECT_EQ(GetGreenByte(-1), 0);
    EXPECT_EQ(GetBlueByte(-1), 0);
    // A byte above bit 23 does not leak into blue.
    const int above = 16777216 + 65536 * 255;
    EXPECT_EQ(GetRedByte(above), 0);
    EXPECT_EQ(GetGreenByte(above), 0);
    EXPECT_EQ(GetBlueByte(above), 255);
}

TEST(RegionPalette, CreationStateRendersPaperAsInkGrayAndRegionsAsGray)
{
    RegionPalette palette;
    // Entry 0 is white with offset 0: every level 255, so ink alone decides.
    for (int ink : {0, 1, 128, 254, 255})
        EXPECT_EQ(renderOne(palette, 0, 0, ink), (Rgb{ink, ink, ink}));
    // Entries 1..255 are built too: gray 127 at offset -127 gives level i.
    EXPECT_EQ(renderOne(palette, 127, 200, 255), (Rgb{127, 127, 127}));
    EXPECT_EQ(renderOne(palette, 40, 1, 255), (Rgb{40, 40, 40}));
}

TEST(RegionPalette, WorkedValuesOfTheColouringRule)
{
    RegionPalette palette;
    ASSERT_TRUE(palette.UpdatePaletteColor(5, 200 + 256 * 100 + 65536 * 50, -127));
    EXPECT_EQ(renderOne(palette, 127, 5, 255), (Rgb{200, 100, 50}));
    EXPECT_EQ(renderOne(palette, 255, 5, 255), (Rgb{255, 228, 178}));
    EXPECT_EQ(renderOne(palette, 0, 5, 255), (Rgb{73, 0, 0}));
    EXPECT_EQ(renderOne(palette, 127, 5, 128), (Rgb{73, 0, 0}));
    for (int shade : {0, 127, 255})
        EXPECT_EQ(renderOne(palette, shade, 5, 0), (Rgb{0, 0, 0}));
}

TEST(RegionPalette, OffsetsAtTheEdgesOfTheTable)
{
    RegionPalette palette;
    palette.UpdatePaletteColor(1, 0, 127);  // black, +127
    EXPECT_EQ(renderOne(palette, 0, 1, 255), (Rgb{127, 127, 127}));
    EXPECT_EQ(renderOne(palette, 128, 1, 255), (Rgb{255, 255, 255}));
    palette.UpdatePaletteColor(2, 0xFFFFFF, -255);  // white, -255: level i gives i
    for (int i : {0, 1, 100, 255}) EXPECT_EQ(renderOne(palette, i, 2, 255), (Rgb{i, i, i}));
    // Offsets that overflow a 16-bit sum still give a defined, clamped table.
    palette.UpdatePaletteColor(3, 0xFFFFFF, 32767);
    EXPECT_EQ(renderOne(palette, 255, 3, 255), (Rgb{255, 255, 255}));
    EXPECT_EQ(renderOne(palette, 0, 3, 255), (Rgb{255, 255, 255}));
    palette.UpdatePaletteColor(4, 0, -32768);
    EXPECT_EQ(renderOne(palette, 255, 4, 255), (Rgb{0, 0, 0}));
}

TEST(RegionPalette, ColourValuesOutsideTheUsualRange)
{
    RegionPalette palette;
    palette.UpdatePaletteColor(7, -1, 0);
    EXPECT_EQ(palette.entry(7).Red, 255);
    EXPECT_EQ(palette.entry(7).Green, 0);
    EXPECT_EQ(palette.entry(7).Blue, 0);
    palette.UpdatePaletteColor(8, 16777216 + 65536 * 255, 0);
    EXPECT_EQ(palette.entry(8).Red, 0);
    EXPECT_EQ(palette.entry(8).Green, 0);
    EXPECT_EQ(palette.entry(8).Blue, 255);
}

TEST(RegionPalette, IndexOutsideTheRangeIsRefusedAndChangesNothing)
{
    RegionPalette palette;
    EXPECT_FALSE(palette.UpdatePaletteColor(256, 0x123456, 0));
    EXPECT_FALSE(palette.UpdatePaletteColor(-1, 0x123456, 0));
    EXPECT_EQ(renderOne(palette, 127, 255, 255), (Rgb{127, 127, 127}));
}

TEST(PageRenderer, MatchesAReferenceOnEveryPixelAndKeepsTheFourthByte)
{
    RegionPalette palette;
    for (int i = 0; i < 256; ++i)
        palette.UpdatePaletteColor(i, (i * 2654435761u) & 0xFFFFFF, std::int16_t(-127 + (i % 9) * 20));
    QImage page = PatternPage(37, 11);  // width not a multiple of 4
    std::vector<std::uint32_t> src(37 * 11), dst(37 * 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 37; ++x)
            src[y * 37 + x] = (page.pixel(x, y) & 0x00FFFFFFu) | (std::uint32_t(x + y) << 24);
    RenderPixelRows(src.data(), 37, dst.data(), 37, 37, 11, palette);
    for (std::size_t i = 0; i < src.size(); ++i) {
        const int shade = (src[i] >> 16) & 0xFF, region = (src[i] >> 8) & 0xFF, ink = src[i] & 0xFF;
        const RegionPaletteEntry& e = palette.entry(region);
        const int colour[3] = {e.Red, e.Green, e.Blue};
        int expected[3];
        for (int c = 0; c < 3; ++c) {
            const int level = std::clamp(shade + colour[c] + e.Offset, 0, 255);
            expected[c] = std::clamp(level + ink - 255, 0, 255);
        }
        ASSERT_EQ(int((dst[i] >> 16) & 0xFF), expected[0]) << "pixel " << i;
        ASSERT_EQ(int((dst[i] >> 8) & 0xFF), expected[1]) << "pixel " << i;
        ASSERT_EQ(int(dst[i] & 0xFF), expected[2]) << "pixel " << i;
        ASSERT_EQ(dst[i] >> 24, src[i] >> 24) << "pixel " << i;
    }
}

TEST(PageRenderer, RendersInPlace)
{
    RegionPalette palette;
    palette.UpdatePaletteColor(9, 200 + 256 * 100 + 65536 * 50, -127);
    std::uint32_t px[2] = {PagePixel(127, 9, 255), PagePixel(255, 9, 255)};
    RenderPixelSpan(px, px, 2, palette);
    EXPECT_EQ(px[0] & 0xFFFFFF, 0xC86432u);
    EXPECT_EQ(px[1] & 0xFFFFFF, 0xFFE4B2u);
}
