#include "modelgen/core/CottagePageDrawings.h"
#include "modelgen/core/ShapePaths.h"

#include "modelgen/core/CottageDimensions.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

using namespace CottageDimensions;

namespace {

// The porch floor: a low box with an oak plank deck on a stone base.
void porchFloor(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto box = NetBuilders::boxNet(piece, topLeft, 300.0, 130.0, 22.0, true, CottageRegion::Foundation,
                                         CottageRegion::PorchFloor, CottageRegion::GlueFlaps, 18.0);
    piece.addFaceInk(box.top, SurfaceTextures::boards(box.topRect, 13.0, false), InkStyle::Texture);
    for (int face : {box.front, box.rightEnd, box.back, box.leftEnd}) {
        const QRectF r = piece.face(face).boundingRect();
        piece.addFaceInk(face, SurfaceTextures::courses(r, 11.0, 24.0), InkStyle::Texture);
    }
    // Where the posts stand and the shadow of the house wall at the back.
    const QRectF deck = box.topRect;
    piece.addShade(rectPath(QRectF(deck.left(), deck.top(), deck.width(), 18.0)),
                   Shading::linear(deck.topLeft(), 90, deck.topLeft() + QPointF(0, 18.0), 127));
    for (double x : {deck.left() + 12.0, deck.right() - 28.0})
        piece.addInk(rectPath(QRectF(x, deck.bottom() - 28.0, 16.0, 16.0)), InkStyle::Fold);
    sheet.addPiece(piece);
}

void doorStep(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto box = NetBuilders::boxNet(piece, topLeft, 110.0, 36.0, 16.0, true, CottageRegion::DoorStep,
                                         CottageRegion::DoorStep, CottageRegion::GlueFlaps, 14.0);
    piece.addFaceInk(box.top, SurfaceTextures::courses(box.topRect, 36.0, 37.0), InkStyle::Texture);
    sheet.addPiece(piece);
}

void fence(PageSheet& sheet, QPointF bottomLeft, double length)
{
    Piece piece;
    NetBuilders::fencePanel(piece, bottomLeft, length, FenceHeight, CottageRegion::Fence, CottageRegion::Lawn,
                            CottageRegion::GlueFlaps, 20.0);
    sheet.addPiece(piece);
}

} // namespace

namespace CottagePageDrawings {

void porch(PageSheet& sheet)
{
    const double left = 70.0;
    porchFloor(sheet, QPointF(left, 260.0));
    sheet.addCaption(QStringLiteral("10  PORCH FLOOR"), QPointF(left, 470.0));
    doorStep(sheet, QPointF(left, 580.0));
    sheet.addCaption(QStringLiteral("11  DOOR STEP"), QPointF(left, 670.0));
    double y = 820.0;
    for (double length : {FrontFence, FrontFence, SideFence, SideFence}) {
        fence(sheet, QPointF(left, y), length);
        y += 150.0;
    }
    sheet.addCaption(QStringLiteral("12  FENCES: TWO FRONT, TWO SIDE"), QPointF(left, y - 100.0));
}

} // namespace CottagePageDrawings
