// The material samples and the preview's table and colouring pass.
#include "coloreditor/MaterialPreview.h"
#include "coloreditor/MaterialSamples.h"

#include <gtest/gtest.h>

#include <QRgb>

#include <algorithm>

namespace {

struct GreyStats {
    int min = 255;
    int max = 0;
    bool allGrey = true;
    int pixels = 0;
    int inRange(const QImage& image, int lo, int hi) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int g = qGreen(image.pixel(x, y));
                if (g >= lo && g <= hi) ++n;
            }
        return n;
    }
};

GreyStats statsOf(const QImage& image)
{
    GreyStats s;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) != qGreen(p) || qBlue(p) != qGreen(p)) s.allGrey = false;
            s.min = std::min(s.min, qGreen(p));
            s.max = std::max(s.max, qGreen(p));
            ++s.pixels;
        }
    return s;
}

// A sample-sized grey picture whose every pixel has one level.
QImage flatGrey(int level)
{
    QImage image(MaterialSamples::SampleSize, MaterialSamples::SampleSize, QImage::Format_RGB32);
    image.fill(qRgb(level, level, level));
    return image;
}

QRgb colorOf(const MaterialPreview& preview, int level)
{
    const QImage grey = flatGrey(level);
    QImage out(grey.size(), QImage::Format_RGB32);
    ColorGreyPixels(reinterpret_cast<const std::uint32_t*>(grey.constBits()),
                    reinterpret_cast<std::uint32_t*>(out.bits()), 1, preview.PreviewLevels);
    return out.pixel(0, 0) & 0xFFFFFFu;
}

}  // namespace

TEST(MaterialSamples, FourGreySamplesOfTheDescribedRanges)
{
    ASSERT_EQ(MaterialSamples::count(), 4);
    const struct {
        const char* tag;
        int lo, hi;
    } expected[] = {{"Paint", 32, 247}, {"Glass", 39, 255}, {"Rubber", 95, 192}, {"Metallic", 0, 255}};
    for (int i = 0; i < 4; ++i) {
        const MaterialSample& s = MaterialSamples::sample(i);
        SCOPED_TRACE(expected[i].tag);
        EXPECT_EQ(s.Tag, QString::fromLatin1(expected[i].tag));
        ASSERT_EQ(s.Picture.size(), QSize(136, 136));
        const GreyStats st = statsOf(s.Picture);
        EXPECT_TRUE(st.allGrey);
        EXPECT_EQ(st.min, expected[i].lo);
        EXPECT_EQ(st.max, expected[i].hi);
    }
    EXPECT_TRUE(MaterialSamples::sample(4).Picture.isNull());
    EXPECT_TRUE(MaterialSamples::sample(-1).Tag.isEmpty());
}

TEST(MaterialSamples, LooksMatchTheirDescriptions)
{
    // Paint: most of the surface is the mid-grey tile face.
    const QImage paint = MaterialSamples::sample(0).Picture;
    const GreyStats ps = statsOf(paint);
    EXPECT_GT(ps.inRange(paint, 128, 191), ps.pixels / 2);
    // Grooves: a real share of dark pixels, not a stray one.
    EXPECT_GT(ps.inRange(paint, 32, 60), ps.pixels / 20);

    // Glass: dark corners, bright centre.
    const QImage glass = MaterialSamples::sample(1).Picture;
    EXPECT_EQ(qGreen(glass.pixel(0, 0)), 39);
    EXPECT_EQ(qGreen(glass.pixel(135, 135)), 39);
    EXPECT_GT(qGreen(glass.pixel(68, 68)), 220);

    // Rubber: lighter at the top than at the bottom, low contrast.
    const QImage rubber = MaterialSamples::sample(2).Picture;
    auto rowMean = [](const QImage& im, int y) {
        int sum = 0;
        for (int x = 0; x < im.width(); ++x) sum += qGreen(im.pixel(x, y));
        return sum / double(im.width());
    };
    EXPECT_GT(rowMean(rubber, 2), rowMean(rubber, 133) + 50);

    // Metallic: black top and bottom rows, white across the middle.
    const QImage metal = MaterialSamples::sample(3).Picture;
    EXPECT_LT(rowMean(metal, 0), 1.0);
    EXPECT_LT(rowMean(metal, 135), 1.0);
    EXPECT_GT(rowMean(metal, 68), 250.0);
}

TEST(MaterialPreview, TableFollowsTheCanvasRule)
{
    MaterialPreview preview;
    preview.BuildPreviewTable(0x000000, -127);
    EXPECT_EQ(colorOf(preview, 127), 0x000000u);
    EXPECT_EQ(colorOf(preview, 255), 0x808080u);
    EXPECT_EQ(colorOf(preview, 0), 0x000000u);

    preview.BuildPreviewTable(200 + 256 * 100 + 65536 * 50, 0);
    EXPECT_EQ(colorOf(preview, 100), qRgb(255, 200, 150) & 0xFFFFFFu);

    preview.BuildPreviewTable(0xFFFFFF, -255);
    EXPECT_EQ(colorOf(preview, 255), 0xFFFFFFu);
    EXPECT_EQ(colorOf(preview, 0), 0x000000u);

    // The very table a canvas region gets for the same colour and offset.
    RKV3Canvas::RegionPalette palette;
    palette.UpdatePaletteColor(5, 30 + 256 * 140 + 65536 * 220, -90);
    preview.BuildPreviewTable(30 + 256 * 140 + 65536 * 220, -90);
    EXPECT_EQ(preview.PreviewLevels, palette.levels(5));
}

TEST(MaterialPreview, ColorsEveryPixelOfTheSampleByItsGreyLevel)
{
    MaterialPreview preview;
    preview.Load();
    preview.BuildPreviewTable(200 + 256 * 40 + 65536 * 30, -127);
    const auto level = [](int grey, int component) { return std::clamp(grey + component - 127, 0, 255); };
    for (int m = 0; m < preview.MaterialCount; ++m) {
        preview.MaterialIndex = m;
        const QImage out = preview.RenderMaterialPreview(QSize(136, 136));
        const QImage& sample = MaterialSamples::sample(m).Picture;
        ASSERT_EQ(out.size(), QSize(136, 136));
        for (int y = 0; y < 136; ++y)
            for (int x = 0; x < 136; ++x) {
                const int g = qGreen(sample.pixel(x, y));
                ASSERT_EQ(out.pixel(x, y), qRgb(level(g, 200), level(g, 40), level(g, 30))) << m << " " << x << "," << y;
            }
    }
    // A preview larger than the sample is coloured only where they overlap.
    preview.MaterialIndex = 1;
    const QImage big = preview.RenderMaterialPreview(QSize(150, 140));
    EXPECT_EQ(big.pixel(140, 10), qRgb(0, 0, 0));
    EXPECT_EQ(big.pixel(10, 138), qRgb(0, 0, 0));
}

TEST(MaterialPreview, KeepsTheFourthByte)
{
    RKV3Canvas::LevelTable levels;
    RKV3Canvas::BuildLevelTable(10, 20, 30, 0, levels);
    const std::uint32_t source[2] = {0x7F000500u, 0x00FFFFFFu};
    std::uint32_t target[2] = {0, 0};
    ColorGreyPixels(source, target, 2, levels);
    EXPECT_EQ(target[0], 0x7F0F1923u);  // level 5: 15, 25, 35
    EXPECT_EQ(target[1], 0x00FFFFFFu);
}

TEST(MaterialPreview, StepsWrapAtBothEnds)
{
    MaterialPreview preview;
    preview.Load();
    EXPECT_EQ(preview.MaterialCount, 4);
    EXPECT_EQ(preview.FrameCaption(), QStringLiteral("Render Preview (Paint)"));
    preview.PreviousMaterial();
    EXPECT_EQ(preview.MaterialIndex, 3);
    EXPECT_EQ(preview.FrameCaption(), QStringLiteral("Render Preview (Metallic)"));
    preview.NextMaterial();
    EXPECT_EQ(preview.MaterialIndex, 0);
    preview.NextMaterial();
    preview.NextMaterial();
    EXPECT_EQ(preview.FrameCaption(), QStringLiteral("Render Preview (Rubber)"));
    preview.Unload();
    EXPECT_EQ(preview.MaterialIndex, 0);
}
