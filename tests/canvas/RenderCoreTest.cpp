// The region palette's tables and the per-pixel colouring rule, checked
// against hand-worked values and a straightforward reference.
#include "colorbytes/ColorBytes.h"
#include "render/PageRenderer.h"
#include "render/RegionPalette.h"
#include "support/PageImages.h"

#include <QSize>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Rgb renderOne(const RKV3Canvas::RegionPalette& palette, int shade, int region, int ink)
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
    RKV3Canvas::RegionPalette palette;
    // Entry 0 is white with offset 0: every level 255, so ink alone decides.
    for (int ink : {0, 1, 128, 254, 255})
        EXPECT_EQ(renderOne(palette, 0, 0, ink), (Rgb{ink, ink, ink}));
    // Entries 1..255 are built too: gray 127 at offset -127 gives level i.
    EXPECT_EQ(renderOne(palette, 127, 200, 255), (Rgb{127, 127, 127}));
    EXPECT_EQ(renderOne(palette, 40, 1, 255), (Rgb{40, 40, 40}));
}

TEST(RegionPalette, WorkedValuesOfTheColoringRule)
{
    RKV3Canvas::RegionPalette palette;
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
    RKV3Canvas::RegionPalette palette;
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

TEST(RegionPalette, ColorValuesOutsideTheUsualRange)
{
    RKV3Canvas::RegionPalette palette;
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
    RKV3Canvas::RegionPalette palette;
    EXPECT_FALSE(palette.UpdatePaletteColor(256, 0x123456, 0));
    EXPECT_FALSE(palette.UpdatePaletteColor(-1, 0x123456, 0));
    EXPECT_EQ(renderOne(palette, 127, 255, 255), (Rgb{127, 127, 127}));
}

// The plain rule, from the entry's colour and offset, for one pixel.
std::uint32_t referencePixel(const RKV3Canvas::RegionPalette& palette, std::uint32_t px)
{
    const int shade = (px >> 16) & 0xFF, region = (px >> 8) & 0xFF, ink = px & 0xFF;
    const RKV3Canvas::RegionPaletteEntry& e = palette.entry(region);
    const int color[3] = {e.Red, e.Green, e.Blue};
    std::uint32_t out = px & 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        const int level = std::clamp(shade + color[c] + e.Offset, 0, 255);
        out |= std::uint32_t(std::clamp(level + ink - 255, 0, 255)) << (16 - 8 * c);
    }
    return out;
}

TEST(PageRenderer, EveryWayMatchesThePlainRuleOnEveryCombination)
{
    RKV3Canvas::RegionPalette palette;
    for (int i = 0; i < 256; ++i)
        palette.UpdatePaletteColor(i, (i * 2654435761u) & 0xFFFFFF, std::int16_t(-255 + (i % 11) * 50));
    palette.UpdatePaletteColor(254, 0xFFFFFF, 32767);
    palette.UpdatePaletteColor(255, 0x00FF00, -32768);
    // Every shade and region for each ink, starting one word off alignment,
    // with a fourth byte that varies: first with the region changing from
    // pixel to pixel, then in runs of 256 pixels as on a page, where the
    // vector ways work levels out instead of looking them up.
    std::vector<std::uint32_t> src(65536 + 1), dst(src.size());
    for (PixelPath path : {PixelPath::Plain, PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
        if (!PixelPathAvailable(path)) continue;
        for (bool inRuns : {false, true})
            for (std::uint32_t ink = 0; ink < 256; ink += inRuns ? 17 : 1) {
                for (std::uint32_t i = 0; i < 65536; ++i) {
                    const std::uint32_t shadeAndRegion = inRuns ? ((i & 0xFF) << 8) | (i >> 8) : i;
                    src[i + 1] = ((i * 37u) << 24) | (shadeAndRegion << 8) | ink;
                }
                // A count that leaves a tail after every vector width.
                RenderPixelSpanOn(path, src.data() + 1, dst.data() + 1, 65531, palette);
                for (std::size_t i = 1; i <= 65531; ++i)
                    ASSERT_EQ(dst[i], referencePixel(palette, src[i]))
                        << "way " << int(path) << " ink " << ink << " runs " << inRuns << " at " << i;
            }
    }
}

TEST(PageRenderer, BlocksOfAnyWidthAndStrideMatchThePlainRule)
{
    RKV3Canvas::RegionPalette palette;
    for (int i = 0; i < 256; ++i) palette.UpdatePaletteColor(i, i * 0x010305, std::int16_t(i - 127));
    for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 5), QSize(37, 11), QSize(1021, 600)}) {
        const QImage page = PatternPage(size.width(), size.height());
        const std::size_t srcStride = std::size_t(page.bytesPerLine() / 4);
        const std::size_t dstStride = std::size_t(size.width()) + 3;  // rows with a gap
        std::vector<std::uint32_t> dst(dstStride * std::size_t(size.height()), 0x12345678u);
        const auto* src = reinterpret_cast<const std::uint32_t*>(page.constBits());
        RenderPageRows(src, srcStride, dst.data(), dstStride, size.width(), size.height(), palette);
        for (int y = 0; y < size.height(); ++y)
            for (std::size_t x = 0; x < dstStride; ++x) {
                const std::uint32_t got = dst[std::size_t(y) * dstStride + x];
                const std::uint32_t want = x < std::size_t(size.width())
                                               ? referencePixel(palette, src[std::size_t(y) * srcStride + x])
                                               : 0x12345678u;
                ASSERT_EQ(got, want) << size.width() << "x" << size.height() << " at " << x << "," << y;
            }
    }
}

TEST(PageRenderer, RendersInPlace)
{
    RKV3Canvas::RegionPalette palette;
    palette.UpdatePaletteColor(9, 200 + 256 * 100 + 65536 * 50, -127);
    std::uint32_t px[2] = {PagePixel(127, 9, 255), PagePixel(255, 9, 255)};
    RenderPixelSpan(px, px, 2, palette);
    EXPECT_EQ(px[0] & 0xFFFFFF, 0xC86432u);
    EXPECT_EQ(px[1] & 0xFFFFFF, 0xFFE4B2u);
}
