#include "modelgen/core/CottagePageDrawings.h"

#include "modelgen/core/BuildingDetails.h"
#include "modelgen/core/CottageDimensions.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

#include <QPolygonF>

using namespace CottageDimensions;

namespace {

// Posts at both ends, a top plate under the eaves and a sill above the
// foundation.
void framing(Piece& piece, const QRectF& wall)
{
    const double top = wall.top() + 7.0;
    const double sill = wall.bottom() - FoundationBand - 6.0;
    BuildingDetails::foundation(piece, QRectF(wall.left(), wall.bottom() - FoundationBand, wall.width(),
                                              FoundationBand));
    BuildingDetails::beam(piece, QPointF(wall.left(), top), QPointF(wall.right(), top), 12.0);
    BuildingDetails::beam(piece, QPointF(wall.left(), sill), QPointF(wall.right(), sill), 12.0);
    BuildingDetails::beam(piece, QPointF(wall.left() + 7.0, wall.top()), QPointF(wall.left() + 7.0, sill), 14.0);
    BuildingDetails::beam(piece, QPointF(wall.right() - 7.0, wall.top()), QPointF(wall.right() - 7.0, sill), 14.0);
}

// A side wall: framing with braces, one shuttered window and a round window
// in the gable, which lies in the shadow of the roof.
void sideWall(Piece& piece, const QRectF& wall)
{
    const QPointF apex(wall.center().x(), wall.top() - GableHeight);
    QPainterPath gable;
    gable.addPolygon(QPolygonF{wall.topLeft(), apex, wall.topRight()});
    gable.closeSubpath();
    piece.addShade(gable, Shading::linear(apex, 92, QPointF(apex.x(), wall.top()), 127));
    framing(piece, wall);
    const double sill = wall.bottom() - FoundationBand - 6.0;
    BuildingDetails::beam(piece, QPointF(wall.left() + 14.0, sill - 4.0),
                          QPointF(wall.left() + 80.0, wall.top() + 14.0), 10.0);
    BuildingDetails::beam(piece, QPointF(wall.right() - 14.0, sill - 4.0),
                          QPointF(wall.right() - 80.0, wall.top() + 14.0), 10.0);
    BuildingDetails::window(piece, QRectF(wall.center().x() - 45.0, wall.top() + 70.0, 90.0, 96.0), true);
    BuildingDetails::roundWindow(piece, QPointF(apex.x(), wall.top() - 66.0), 26.0);
    BuildingDetails::eaveShadow(piece, wall, 34.0);
}

void frontWall(Piece& piece, const QRectF& wall)
{
    framing(piece, wall);
    const double windowTop = wall.top() + 70.0;
    BuildingDetails::window(piece, QRectF(wall.left() + 90.0, windowTop, 80.0, 96.0), true);
    BuildingDetails::window(piece, QRectF(wall.right() - 170.0, windowTop, 80.0, 96.0), true);
    const double doorBottom = wall.bottom() - FoundationBand;
    BuildingDetails::door(piece, QRectF(wall.center().x() - 39.0, doorBottom - 152.0, 78.0, 152.0));
    BuildingDetails::eaveShadow(piece, wall, 44.0);
}

void backWall(Piece& piece, const QRectF& wall)
{
    framing(piece, wall);
    for (double x : {60.0, 230.0, 400.0})
        BuildingDetails::window(piece, QRectF(wall.left() + x, wall.top() + 70.0, 80.0, 96.0), false);
    BuildingDetails::eaveShadow(piece, wall, 44.0);
}

// An open flower box for under a window: sage green boards with flowers
// showing over the front.
void windowBox(PageSheet& sheet, QPointF topLeft, int seed)
{
    Piece piece;
    const double w = 96.0, d = 20.0, h = 24.0;
    const NetBuilders::BoxNet box = NetBuilders::boxNet(piece, topLeft, w, d, h, false, CottageRegion::Shutters,
                                                        CottageRegion::Shutters, CottageRegion::GlueFlaps, 16.0);
    piece.addFaceInk(box.front, SurfaceTextures::boards(box.frontRect, 8.0, false), InkStyle::Texture);
    for (int i = 0; i < 7; ++i) {
        const QPointF centre(box.frontRect.left() + 9.0 + i * 13.0, box.frontRect.top() + 6.0 + ((i + seed) % 2) * 3.0);
        QPainterPath bloom;
        bloom.addEllipse(centre, 5.0, 5.0);
        piece.addDetail(bloom, CottageRegion::Flowers,
                        Shading::linear(centre - QPointF(4, 4), 170, centre + QPointF(4, 4), 100));
    }
    sheet.addPiece(piece);
}

} // namespace

namespace CottagePageDrawings {

void walls(PageSheet& sheet)
{
    const double left = 70.0;
    {
        Piece piece;
        const auto strip = NetBuilders::wallStrip(piece, QPointF(left, 290.0),
                                                  {{Width, 0.0}, {Depth, GableHeight}}, WallHeight, Flap,
                                                  CottageRegion::Walls, CottageRegion::GlueFlaps);
        frontWall(piece, strip.walls[0]);
        sideWall(piece, strip.walls[1]);
        sheet.addPiece(piece);
        sheet.addCaption(QStringLiteral("1  FRONT WALL AND RIGHT SIDE"), QPointF(left, 640.0));
    }
    {
        Piece piece;
        const auto strip = NetBuilders::wallStrip(piece, QPointF(left, 880.0),
                                                  {{Width, 0.0}, {Depth, GableHeight}}, WallHeight, Flap,
                                                  CottageRegion::Walls, CottageRegion::GlueFlaps);
        backWall(piece, strip.walls[0]);
        sideWall(piece, strip.walls[1]);
        sheet.addPiece(piece);
        sheet.addCaption(QStringLiteral("2  BACK WALL AND LEFT SIDE"), QPointF(left, 1230.0));
    }
    for (int i = 0; i < 3; ++i) windowBox(sheet, QPointF(left + 20.0 + i * 360.0, 1320.0), i);
    sheet.addCaption(QStringLiteral("3  WINDOW BOXES (3)"), QPointF(left, 1410.0));
}

} // namespace CottagePageDrawings
