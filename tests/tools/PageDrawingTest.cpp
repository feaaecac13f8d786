// The drawing core: exact region layer, antialiased darkening ink, and the
// cut and fold lines of a net.
#include "PageStats.h"

#include "modelgen/core/PageLayers.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/StrokeFont.h"

#include <QPainterPath>
#include <QPolygonF>

#include <gtest/gtest.h>

#include <set>

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

std::set<int> regionValues(const QImage& page)
{
    const PageStats stats = PageStats::of(page);
    std::set<int> values;
    for (int r = 0; r < 256; ++r)
        if (stats.regions[std::size_t(r)]) values.insert(r);
    return values;
}

TEST(PageLayers, RegionNumbersAreNeverBlended)
{
    PageLayers layers(160, 120);
    // Slanted, overlapping and curved edges, which a blending painter would
    // smear into in-between values.
    layers.fillRegion(polygon({{10.3, 5.7}, {150.2, 30.1}, {60.6, 115.5}}), 7, Shading::flat());
    layers.fillRegion(polygon({{40.5, 10.2}, {155.9, 100.4}, {20.1, 90.8}}), 200,
                      Shading::linear({0, 0}, 60, {160, 0}, 200));
    QPainterPath circle;
    circle.addEllipse(QPointF(80.4, 60.7), 25.3, 19.9);
    layers.fillRegion(circle, 31, Shading::flat(140));
    EXPECT_EQ(regionValues(layers.compose()), (std::set<int>{0, 7, 31, 200}));
    // The flat shading is exact inside its region.
    const PageStats stats = PageStats::of(layers.compose());
    EXPECT_EQ(PageStats::mostCommon(stats.shadesByRegion[31]), 140);
    EXPECT_EQ(PageStats::share(stats.shadesByRegion[31], 140), 1.0);
}

TEST(PageLayers, ShadingFollowsItsRampAndLeavesRegionsAlone)
{
    PageLayers layers(200, 20);
    layers.fillRegion(polygon({{0, 0}, {200, 0}, {200, 20}, {0, 20}}), 3,
                      Shading::linear({0, 0}, 60, {200, 0}, 200));
    layers.fillShade(polygon({{150, 0}, {200, 0}, {200, 20}, {150, 20}}), Shading::flat(90));
    const QImage page = layers.compose();
    EXPECT_LT(qRed(page.pixel(5, 10)), qRed(page.pixel(100, 10)));
    EXPECT_NEAR(qRed(page.pixel(100, 10)), 130, 3);
    EXPECT_EQ(qRed(page.pixel(170, 10)), 90);
    EXPECT_EQ(regionValues(page), (std::set<int>{3}));
}

TEST(PageLayers, InkIsAntialiasedAndOnlyDarkens)
{
    PageLayers layers(100, 100);
    QPainterPath black;
    black.moveTo(10, 50.3);
    black.lineTo(90, 57.9);
    layers.drawInk(black, MakeInkPen(InkStyle::Cut));
    QPainterPath light;
    light.moveTo(50, 5);
    light.lineTo(50, 95);
    layers.drawInk(light, MakeInkPen(InkStyle::Texture, 3.0));
    const PageStats stats = PageStats::of(layers.compose());
    long long between = 0;
    for (int i = 1; i < 255; ++i) between += stats.inks[std::size_t(i)];
    EXPECT_GT(between, 50);
    // Where the light line crosses the black one the black stays.
    const int crossing = qBlue(layers.compose().pixel(50, 54));
    EXPECT_LT(crossing, 60);
    EXPECT_EQ(stats.inks[255] + between + stats.inks[0], 100LL * 100LL);
}

TEST(PageLayers, ScaleDrawsTheSameLayoutLarger)
{
    PageLayers small(100, 100, 1.0), large(200, 200, 2.0);
    for (PageLayers* layers : {&small, &large})
        layers->fillRegion(polygon({{10, 10}, {60, 10}, {60, 40}, {10, 40}}), 5, Shading::flat());
    EXPECT_EQ(PageStats::of(small.compose()).regions[5], 51LL * 31LL);
    EXPECT_NEAR(double(PageStats::of(large.compose()).regions[5]), 101.0 * 61.0, 200.0);
}

TEST(Piece, SharedEdgesFoldAndOuterEdgesCut)
{
    Piece piece;
    const int left = piece.addFace(QPolygonF{{0, 0}, {50, 0}, {50, 40}, {0, 40}}, 1, Shading::flat());
    piece.addFace(QPolygonF{{50, 0}, {100, 0}, {100, 40}, {50, 40}}, 1, Shading::flat());
    const int flap = piece.addFlap(left, 3, 10.0, 2); // on the left edge
    ASSERT_GE(flap, 0);
    // Flap points away from its face.
    EXPECT_LT(piece.face(flap).boundingRect().left(), 0.0);
    EXPECT_NEAR(piece.face(flap).boundingRect().left(), -10.0, 1e-9);
    const auto segments = [](const QPainterPath& p) { return p.elementCount() / 2; };
    EXPECT_EQ(segments(piece.foldLines()), 2); // between the faces and at the flap
    // Six outer edges of the two faces, one of them now under the flap, and
    // the flap's three free edges.
    EXPECT_EQ(segments(piece.cutLines()), 6 - 1 + 3);
    EXPECT_EQ(piece.foldLines().boundingRect(), QRectF(0, 0, 50, 40));
}

TEST(Piece, DrawnFoldsAreDashedAndCutsSolid)
{
    Piece piece;
    piece.addFace(QPolygonF{{20, 20}, {120, 20}, {120, 80}, {20, 80}}, 4, Shading::flat());
    piece.addFace(QPolygonF{{120, 20}, {220, 20}, {220, 80}, {120, 80}}, 9, Shading::flat());
    PageLayers layers(240, 100);
    piece.draw(layers);
    const QImage page = layers.compose();
    int inkedOnFold = 0, inkedOnCut = 0;
    for (int y = 25; y < 75; ++y) {
        inkedOnFold += qBlue(page.pixel(120, y)) < 200;
        inkedOnCut += qBlue(page.pixel(20, y)) < 200;
    }
    EXPECT_GT(inkedOnFold, 10);
    EXPECT_LT(inkedOnFold, 45) << "gaps between the dashes";
    EXPECT_EQ(inkedOnCut, 50);
    EXPECT_EQ(qGreen(page.pixel(70, 50)), 4);
    EXPECT_EQ(qGreen(page.pixel(170, 50)), 9);
    EXPECT_EQ(qGreen(page.pixel(5, 5)), 0);
}

TEST(StrokeFont, LettersHaveGlyphsAndWidth)
{
    for (QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -.,:/()'+="))
        EXPECT_TRUE(StrokeFont::hasGlyph(c)) << c.toLatin1();
    EXPECT_TRUE(StrokeFont::hasGlyph('q')) << "small letters are shown as capitals";
    EXPECT_FALSE(StrokeFont::hasGlyph('#'));
    EXPECT_DOUBLE_EQ(StrokeFont::textWidth(QStringLiteral("AB"), 8.0), 10.0);
    const QRectF box = StrokeFont::textPath(QStringLiteral("HI"), QPointF(5, 7), 16.0).boundingRect();
    EXPECT_DOUBLE_EQ(box.left(), 5.0);
    EXPECT_DOUBLE_EQ(box.top(), 7.0);
    EXPECT_DOUBLE_EQ(box.height(), 16.0);
}

} // namespace
