#include "modelgen/core/CottagePageDrawings.h"
#include "modelgen/core/ShapePaths.h"

#include "modelgen/core/CottageDimensions.h"
#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/DeterministicRandom.h"
#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

#include <QPolygonF>

using namespace CottageDimensions;

namespace {

void flowers(Piece& piece, const QRectF& bed, int count, DeterministicRandom& random)
{
    for (int i = 0; i < count; ++i) {
        const QPointF c(random.between(bed.left() + 8.0, bed.right() - 8.0),
                        random.between(bed.top() + 8.0, bed.bottom() - 8.0));
        const double r = random.between(4.0, 7.0);
        piece.addDetail(circlePath(c, r), CottageRegion::Flowers,
                        Shading::linear(c - QPointF(r, r), 176, c + QPointF(r, r), 96), false);
        QPainterPath centre;
        centre.addEllipse(c, 1.2, 1.2);
        piece.addInk(centre, InkStyle::Detail, 1.2);
    }
}

void bed(Piece& piece, const QRectF& area, int count, DeterministicRandom& random)
{
    QPainterPath shape;
    shape.addRoundedRect(area, 14.0, 14.0);
    piece.addDetail(shape, CottageRegion::FlowerBeds, Shading::flat());
    flowers(piece, area, count, random);
}

void bush(Piece& piece, QPointF centre, double radius)
{
    piece.addShade(circlePath(centre + QPointF(radius * 0.5, radius * 0.4), radius), Shading::flat(86));
    piece.addDetail(circlePath(centre, radius), CottageRegion::Lawn,
                    Shading::linear(centre - QPointF(radius, radius), 150, centre + QPointF(radius, radius), 84));
}

void mailboxPost(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    NetBuilders::columnNet(piece, topLeft, 12.0, 96.0, CottageRegion::PorchPosts, CottageRegion::GlueFlaps, 12.0);
    sheet.addPiece(piece);
}

void mailboxBox(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto box = NetBuilders::boxNet(piece, topLeft, 44.0, 26.0, 26.0, true, CottageRegion::Door,
                                         CottageRegion::Door, CottageRegion::GlueFlaps, 12.0);
    QPainterPath slot;
    slot.addRect(QRectF(box.frontRect.left() + 10.0, box.frontRect.top() + 8.0, 24.0, 4.0));
    piece.addDetail(slot, CottageRegion::ChimneyCap, Shading::flat(60));
    sheet.addPiece(piece);
}

// A stack of split logs under a board roof.
void woodpileBox(PageSheet& sheet, QPointF topLeft)
{
    Piece piece;
    const auto box = NetBuilders::boxNet(piece, topLeft, 120.0, 40.0, 36.0, true, CottageRegion::TimberFraming,
                                         CottageRegion::PorchRoof, CottageRegion::GlueFlaps, 14.0);
    piece.addFaceInk(box.top, SurfaceTextures::boards(box.topRect, 10.0, true), InkStyle::Texture);
    for (const QRectF& side : {box.frontRect, box.backRect}) {
        QPainterPath logs;
        int row = 0;
        for (double y = side.top() + 6.0; y < side.bottom() - 3.0; y += 9.0, ++row)
            for (double x = side.left() + 6.0 + (row % 2) * 5.0; x < side.right() - 4.0; x += 10.0)
                logs.addEllipse(QPointF(x, y), 4.0, 4.0);
        piece.addDetail(logs, CottageRegion::PorchFloor,
                        Shading::linear(side.topLeft(), 150, side.bottomLeft(), 104));
    }
    sheet.addPiece(piece);
}

} // namespace

namespace CottagePageDrawings {

void basePlate(PageSheet& sheet)
{
    const double plateW = 1000.0, plateD = 720.0, rim = 24.0;
    const QRectF lawn((sheet.unitWidth() - plateW) / 2.0, 200.0, plateW, plateD);
    const double cx = lawn.center().x();
    DeterministicRandom random(0xC07A6E);

    Piece piece;
    piece.addFace(rectPolygon(lawn), CottageRegion::Lawn, Shading::flat());
    // A rim folded down on every side, with flaps at the corners.
    const QRectF top(lawn.left(), lawn.top() - rim, plateW, rim);
    const QRectF bottom(lawn.left(), lawn.bottom(), plateW, rim);
    const QRectF left(lawn.left() - rim, lawn.top(), rim, plateD);
    const QRectF right(lawn.right(), lawn.top(), rim, plateD);
    for (const QRectF& r : {top, bottom}) {
        const int face = piece.addFace(rectPolygon(r), CottageRegion::Lawn, Shading::flat(104));
        piece.addFlap(face, 1, 18.0, CottageRegion::GlueFlaps);
        piece.addFlap(face, 3, 18.0, CottageRegion::GlueFlaps);
    }
    for (const QRectF& r : {left, right}) piece.addFace(rectPolygon(r), CottageRegion::Lawn, Shading::flat(112));

    // The house and its shadow.
    const QRectF house(cx - Width / 2.0, lawn.top() + 110.0, Width, Depth);
    QPolygonF shadow{house.topRight(), house.topRight() + QPointF(46.0, 30.0),
                     house.bottomRight() + QPointF(46.0, 30.0), house.bottomLeft() + QPointF(46.0, 30.0),
                     house.bottomLeft()};
    QPainterPath shadowPath;
    shadowPath.addPolygon(shadow);
    shadowPath.closeSubpath();
    piece.addShade(shadowPath, Shading::flat(88));
    piece.addDetail(rectPath(house), CottageRegion::Foundation, Shading::flat());
    piece.addInk(rectPath(house.adjusted(10, 10, -10, -10)), InkStyle::Fold);

    // Porch in front of the door, the path down to the gate.
    const QRectF porch(cx - 150.0, house.bottom(), 300.0, 130.0);
    piece.addDetail(rectPath(porch), CottageRegion::PorchFloor, Shading::flat(118));
    piece.addInk(rectPath(porch.adjusted(8, 8, -8, -8)), InkStyle::Fold);
    QPainterPath path;
    path.moveTo(cx - 36.0, porch.bottom());
    path.cubicTo(cx - 40.0, porch.bottom() + 40.0, cx - 70.0, lawn.bottom() - 40.0, cx - 60.0, lawn.bottom());
    path.lineTo(cx + 20.0, lawn.bottom());
    path.cubicTo(cx + 10.0, lawn.bottom() - 40.0, cx + 40.0, porch.bottom() + 40.0, cx + 36.0, porch.bottom());
    path.closeSubpath();
    piece.addDetail(path, CottageRegion::GardenPath, Shading::flat());
    piece.addInk(SurfaceTextures::courses(path.boundingRect(), 18.0, 30.0), InkStyle::Texture, 1.0, path);

    // Flower beds along the sides of the house and beside the porch.
    const QRectF beds[] = {
        QRectF(lawn.left() + 70.0, house.top() + 20.0, 110.0, 300.0),
        QRectF(house.right() + 60.0, house.top() + 20.0, 110.0, 300.0),
        QRectF(house.left() + 8.0, house.bottom() + 14.0, porch.left() - house.left() - 20.0, 40.0),
        QRectF(porch.right() + 12.0, house.bottom() + 14.0, house.right() - porch.right() - 20.0, 40.0),
    };
    for (const QRectF& area : beds) bed(piece, area, int(area.width() * area.height() / 450.0), random);

    struct Bush {
        QPointF centre;
        double radius;
    };
    const Bush bushes[] = {{QPointF(lawn.left() + 90.0, lawn.bottom() - 100.0), 42.0},
                           {QPointF(lawn.right() - 100.0, lawn.bottom() - 120.0), 48.0},
                           {QPointF(lawn.right() - 80.0, lawn.top() + 60.0), 34.0}};
    for (const Bush& b : bushes) bush(piece, b.centre, b.radius);

    // Where the mailbox and the woodpile stand.
    const QRectF mailbox(cx + 44.0, lawn.bottom() - 64.0, 12.0, 12.0);
    const QRectF woodpile(house.left() + 60.0, lawn.top() + 40.0, 120.0, 40.0);
    piece.addInk(rectPath(mailbox), InkStyle::Fold);
    piece.addShade(rectPath(woodpile.translated(8.0, 6.0)), Shading::flat(96));
    piece.addInk(rectPath(woodpile), InkStyle::Fold);

    // Grass on the open lawn only.
    QPainterPath open;
    open.addRect(lawn);
    QPainterPath covered;
    covered.addRect(house.adjusted(-4, -4, 50, 34));
    covered.addRect(porch.adjusted(-4, -4, 4, 4));
    covered.addPath(path);
    for (const QRectF& area : beds) covered.addRect(area.adjusted(-4, -4, 4, 4));
    for (const Bush& b : bushes) covered.addEllipse(b.centre, b.radius + 4.0, b.radius + 4.0);
    covered.addRect(woodpile.adjusted(-4, -4, 12, 10));
    covered.setFillRule(Qt::WindingFill);
    piece.addInk(SurfaceTextures::grass(lawn.adjusted(6, 12, -6, -4), 320, random), InkStyle::Texture, 1.0,
                 open.subtracted(covered));

    // Where the fences go: along the front on both sides of the path and
    // along both sides.
    const double fenceY = lawn.bottom() - 24.0;
    QPainterPath fences;
    fences.moveTo(cx - 70.0 - FrontFence, fenceY);
    fences.lineTo(cx - 70.0, fenceY);
    fences.moveTo(cx + 30.0, fenceY);
    fences.lineTo(cx + 30.0 + FrontFence, fenceY);
    fences.moveTo(lawn.left() + 24.0, fenceY - 12.0);
    fences.lineTo(lawn.left() + 24.0, fenceY - 12.0 - SideFence);
    fences.moveTo(lawn.right() - 24.0, fenceY - 12.0);
    fences.lineTo(lawn.right() - 24.0, fenceY - 12.0 - SideFence);
    piece.addInk(fences, InkStyle::Detail, 2.0);
    sheet.addPiece(piece);

    sheet.addCaption(QStringLiteral("13  BASE PLATE"), QPointF(lawn.left(), lawn.bottom() + 60.0));

    const double smallTop = lawn.bottom() + 130.0;
    mailboxPost(sheet, QPointF(lawn.left(), smallTop));
    mailboxBox(sheet, QPointF(lawn.left() + 120.0, smallTop + 40.0));
    sheet.addCaption(QStringLiteral("14  MAILBOX AND POST"), QPointF(lawn.left(), smallTop + 130.0));
    woodpileBox(sheet, QPointF(lawn.left() + 520.0, smallTop + 40.0));
    sheet.addCaption(QStringLiteral("15  WOODPILE"), QPointF(lawn.left() + 520.0, smallTop + 130.0));
    const char* steps[] = {
        "ASSEMBLY",
        "1. GLUE THE TWO WALL STRIPS INTO A BOX AND ONTO THE MARKED HOUSE AREA.",
        "2. FOLD THE ROOF ALONG THE RIDGE, GLUE IT ON, THEN ADD THE RIDGE CAP.",
        "3. BUILD THE CHIMNEY AND ITS CAP AND GLUE THEM ON THE MARK OF THE BACK ROOF.",
        "4. GLUE THE PORCH FLOOR, THE POSTS, THE PORCH ROOF AND THE DOOR STEP.",
        "5. ADD THE WINDOW BOXES UNDER THE SHUTTERED WINDOWS AND THE FENCES ON THEIR LINES.",
        "6. SET THE MAILBOX BY THE GATE AND THE WOODPILE BEHIND THE HOUSE.",
    };
    double y = smallTop + 200.0;
    for (const char* step : steps) {
        sheet.addCaption(QString::fromLatin1(step), QPointF(lawn.left(), y), 12.0);
        y += 30.0;
    }
}

} // namespace CottagePageDrawings
