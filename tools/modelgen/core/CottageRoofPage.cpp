#include "modelgen/core/CottagePageDrawings.h"
#include "modelgen/core/ShapePaths.h"

#include "modelgen/core/CottageDimensions.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

#include <QPolygonF>

using namespace CottageDimensions;

namespace {

// Both roof halves in one piece, folded along the ridge. The back half lies
// above the ridge, the front half below it; light falls on the front.
void roofPiece(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const double w = Width + 2.0 * Overhang;
    const double s = roofSlope();
    const QRectF back(topLeft.x(), topLeft.y(), w, s);
    const QRectF front(topLeft.x(), topLeft.y() + s, w, s);
    const int backFace = piece.addFace(rectPolygon(back), CottageRegion::RoofTiles,
                                       Shading::linear(back.topLeft(), 96, back.bottomLeft(), 138));
    const int frontFace = piece.addFace(rectPolygon(front), CottageRegion::RoofTiles,
                                        Shading::linear(front.topLeft(), 158, front.bottomLeft(), 116));
    piece.addFaceInk(backFace, SurfaceTextures::courses(back, 20.0, 28.0), InkStyle::Texture);
    piece.addFaceInk(frontFace, SurfaceTextures::courses(front, 20.0, 28.0), InkStyle::Texture);
    // Boards along the gable ends, and where the chimney is glued on.
    for (const QRectF& half : {back, front}) {
        piece.addDetail(rectPath(QRectF(half.left(), half.top(), 14.0, half.height())),
                        CottageRegion::GableBoards, Shading::flat());
        piece.addDetail(rectPath(QRectF(half.right() - 14.0, half.top(), 14.0, half.height())),
                        CottageRegion::GableBoards, Shading::flat());
    }
    const double footprint = 60.0 * std::hypot(1.0, roofPitch());
    const QRectF chimney(back.left() + 400.0, back.bottom() - 40.0 - footprint, 60.0, footprint);
    piece.addShade(rectPath(chimney.translated(10.0, 8.0)), Shading::flat(92));
    piece.addInk(rectPath(chimney), InkStyle::Fold);
    sheet.addPiece(piece);
}

void ridgeCap(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const double w = Width + 2.0 * Overhang;
    const QRectF upper(topLeft.x(), topLeft.y(), w, 26.0);
    const QRectF lower(topLeft.x(), topLeft.y() + 26.0, w, 26.0);
    const int a = piece.addFace(rectPolygon(upper), CottageRegion::RoofRidge,
                                Shading::linear(upper.topLeft(), 110, upper.bottomLeft(), 140));
    const int b = piece.addFace(rectPolygon(lower), CottageRegion::RoofRidge,
                                Shading::linear(lower.topLeft(), 152, lower.bottomLeft(), 122));
    piece.addFaceInk(a, SurfaceTextures::courses(upper, 26.0, 40.0), InkStyle::Texture);
    piece.addFaceInk(b, SurfaceTextures::courses(lower, 26.0, 40.0), InkStyle::Texture);
    sheet.addPiece(piece);
}

// The chimney: four brick sides whose feet follow the roof slope (it stands
// on the back half), sooty at the top.
void chimney(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const double side = 60.0;
    const double tall = 170.0;
    const double shortSide = tall - side * roofPitch();
    const double x = topLeft.x();
    const double y = topLeft.y();
    const double feet[5] = {tall, tall, shortSide, shortSide, tall};
    const int light[4] = {127, 104, 116, 146};
    std::vector<int> faces;
    for (int i = 0; i < 4; ++i) {
        const double l = x + i * side;
        const QPolygonF outline{QPointF(l, y), QPointF(l + side, y), QPointF(l + side, y + feet[i + 1]),
                                QPointF(l, y + feet[i])};
        const int face = piece.addFace(outline, CottageRegion::Chimney, Shading::flat(light[i]));
        piece.addFaceInk(face, SurfaceTextures::courses(QRectF(l, y, side, tall), 10.0, 22.0),
                         InkStyle::Texture);
        piece.addFlap(face, 2, 22.0, CottageRegion::GlueFlaps);
        faces.push_back(face);
    }
    piece.addFlap(faces.back(), 1, Flap * 0.8, CottageRegion::GlueFlaps);
    const QRectF soot(x, y, 4.0 * side, 22.0);
    piece.addShade(rectPath(soot), Shading::linear(soot.topLeft(), 70, soot.bottomLeft(), 112));
    sheet.addPiece(piece);
}

void chimneyCap(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto box = NetBuilders::boxNet(piece, topLeft, 72.0, 72.0, 14.0, true, CottageRegion::ChimneyCap,
                                         CottageRegion::ChimneyCap, CottageRegion::GlueFlaps, 14.0);
    for (double dx : {-16.0, 16.0}) {
        QPainterPath flue;
        flue.addEllipse(box.topRect.center() + QPointF(dx, 0.0), 10.0, 10.0);
        piece.addDetail(flue, CottageRegion::ChimneyCap,
                        Shading::linear(box.topRect.center() + QPointF(dx - 10, -10), 40,
                                        box.topRect.center() + QPointF(dx + 10, 10), 96));
    }
    sheet.addPiece(piece);
}

// A lean-to roof over the porch: the slope with a flap that glues to the
// front wall and a fascia board folded down at the front.
void porchRoof(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const QRectF slope(topLeft.x(), topLeft.y(), 320.0, 130.0);
    const QRectF fascia(topLeft.x(), slope.bottom(), 320.0, 22.0);
    const int roof = piece.addFace(rectPolygon(slope), CottageRegion::PorchRoof,
                                   Shading::linear(slope.topLeft(), 104, slope.bottomLeft(), 150));
    piece.addFaceInk(roof, SurfaceTextures::courses(slope, 16.0, 30.0), InkStyle::Texture);
    piece.addFlap(roof, 0, Flap * 0.8, CottageRegion::GlueFlaps);
    piece.addFace(rectPolygon(fascia), CottageRegion::Trim, Shading::flat(112));
    sheet.addPiece(piece);
}

void porchPost(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto faces = NetBuilders::columnNet(piece, topLeft, 16.0, 190.0, CottageRegion::PorchPosts,
                                              CottageRegion::GlueFlaps, 14.0);
    for (int face : faces) {
        const QRectF r = piece.face(face).boundingRect();
        QPainterPath capital;
        capital.addRect(QRectF(r.left(), r.top() + 10.0, r.width(), 6.0));
        capital.addRect(QRectF(r.left(), r.bottom() - 16.0, r.width(), 6.0));
        piece.addInk(capital, InkStyle::Detail, 1.0);
    }
    sheet.addPiece(piece);
}

} // namespace

namespace CottagePageDrawings {

void roof(PageSheet& sheet)
{
    const double left = 70.0;
    roofPiece(sheet, QPointF(left, 130.0));
    sheet.addCaption(QStringLiteral("4  ROOF"), QPointF(left, 130.0 + 2.0 * roofSlope() + 14.0));
    ridgeCap(sheet, QPointF(left, 740.0));
    sheet.addCaption(QStringLiteral("5  RIDGE CAP"), QPointF(left, 806.0));
    chimney(sheet, QPointF(760.0, 150.0));
    sheet.addCaption(QStringLiteral("6  CHIMNEY"), QPointF(760.0, 370.0));
    chimneyCap(sheet, QPointF(760.0, 500.0));
    sheet.addCaption(QStringLiteral("7  CHIMNEY CAP"), QPointF(760.0, 630.0));
    porchRoof(sheet, QPointF(left, 900.0));
    sheet.addCaption(QStringLiteral("8  PORCH ROOF"), QPointF(left, 1066.0));
    porchPost(sheet, QPointF(520.0, 880.0));
    porchPost(sheet, QPointF(680.0, 880.0));
    sheet.addCaption(QStringLiteral("9  PORCH POSTS (2)"), QPointF(520.0, 1090.0));
}

} // namespace CottagePageDrawings
