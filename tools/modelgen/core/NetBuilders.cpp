#include "modelgen/core/NetBuilders.h"
#include "modelgen/core/ShapePaths.h"

#include <QPolygonF>

#include <cmath>

namespace NetBuilders {

namespace {

QPolygonF rectPolygon(double x, double y, double w, double h)
{
    return QPolygonF{QPointF(x, y), QPointF(x + w, y), QPointF(x + w, y + h), QPointF(x, y + h)};
}

} // namespace

WallStrip wallStrip(Piece& piece, QPointF topLeft, const std::vector<WallSpec>& walls,
                    double height, double flapDepth, int wallRegion, int flapRegion)
{
    WallStrip strip;
    double x = topLeft.x();
    const double y = topLeft.y();
    for (const WallSpec& wall : walls) {
        const double w = wall.width;
        int face;
        if (wall.gableHeight > 0.0) {
            // Corners: eave left, apex, eave right, bottom right, bottom left.
            const QPolygonF outline{QPointF(x, y), QPointF(x + w / 2.0, y - wall.gableHeight),
                                    QPointF(x + w, y), QPointF(x + w, y + height),
                                    QPointF(x, y + height)};
            face = piece.addFace(outline, wallRegion, Shading::flat());
            piece.addFlap(face, 0, flapDepth * 0.8, flapRegion);
            piece.addFlap(face, 1, flapDepth * 0.8, flapRegion);
            piece.addFlap(face, 3, flapDepth, flapRegion);
        } else {
            face = piece.addFace(rectPolygon(x, y, w, height), wallRegion, Shading::flat());
            piece.addFlap(face, 0, flapDepth * 0.8, flapRegion);
            piece.addFlap(face, 2, flapDepth, flapRegion);
        }
        strip.faces.push_back(face);
        strip.walls.push_back(QRectF(x, y, w, height));
        x += w;
    }
    if (!strip.faces.empty()) {
        const int last = strip.faces.back();
        const bool gable = walls.back().gableHeight > 0.0;
        piece.addFlap(last, gable ? 2 : 1, flapDepth, flapRegion);
    }
    return strip;
}

BoxNet boxNet(Piece& piece, QPointF topLeft, double width, double depth, double height,
              bool withTop, int sideRegion, int topRegion, int flapRegion, double flapDepth)
{
    BoxNet box;
    const double x = topLeft.x();
    const double y = topLeft.y();
    // Sides lit from the left: the front as it is, the ends and back darker.
    box.front = piece.addFace(rectPolygon(x, y, width, height), sideRegion, Shading::flat());
    box.rightEnd = piece.addFace(rectPolygon(x + width, y, depth, height), sideRegion, Shading::flat(104));
    box.back = piece.addFace(rectPolygon(x + width + depth, y, width, height), sideRegion, Shading::flat(116));
    box.leftEnd = piece.addFace(rectPolygon(x + 2 * width + depth, y, depth, height), sideRegion,
                                Shading::flat(146));
    box.bottom = piece.addFace(rectPolygon(x, y + height, width, depth), sideRegion, Shading::flat(96));
    box.frontRect = QRectF(x, y, width, height);
    box.backRect = QRectF(x + width + depth, y, width, height);
    piece.addFlap(box.leftEnd, 1, flapDepth, flapRegion);
    for (int face : {box.rightEnd, box.back, box.leftEnd}) piece.addFlap(face, 2, flapDepth, flapRegion);
    if (withTop) {
        box.top = piece.addFace(rectPolygon(x, y - depth, width, depth), topRegion,
                                Shading::linear(QPointF(x, y - depth), 150, QPointF(x + width, y), 120));
        box.topRect = QRectF(x, y - depth, width, depth);
        for (int face : {box.rightEnd, box.back, box.leftEnd}) piece.addFlap(face, 0, flapDepth, flapRegion);
    }
    return box;
}

std::vector<int> columnNet(Piece& piece, QPointF topLeft, double side, double height, int region,
                           int flapRegion, double flapDepth)
{
    static const int light[4] = {127, 100, 112, 150};
    std::vector<int> faces;
    for (int i = 0; i < 4; ++i)
        faces.push_back(piece.addFace(rectPolygon(topLeft.x() + i * side, topLeft.y(), side, height), region,
                                      Shading::flat(light[i])));
    piece.addFlap(faces.back(), 1, flapDepth, flapRegion);
    return faces;
}

int fencePanel(Piece& piece, QPointF bottomLeft, double length, double height, int fenceRegion,
               int behindRegion, int flapRegion, double flapDepth)
{
    const double picket = 16.0;
    const double gap = 8.0;
    const int count = std::max(1, int(std::floor((length + gap) / (picket + gap))));
    const double x0 = bottomLeft.x();
    const double yb = bottomLeft.y();
    const double shoulder = yb - height + 9.0; // where a picket's point begins
    const double notch = shoulder + 22.0;      // how far the cut goes down between pickets
    const double end = x0 + count * picket + (count - 1) * gap;

    QPolygonF outline;
    outline << QPointF(x0, yb);
    for (int i = 0; i < count; ++i) {
        const double left = x0 + i * (picket + gap);
        outline << QPointF(left, shoulder) << QPointF(left + picket / 2.0, yb - height)
                << QPointF(left + picket, shoulder);
        if (i + 1 < count) outline << QPointF(left + picket, notch) << QPointF(left + picket + gap, notch);
    }
    outline << QPointF(end, yb);
    const int face = piece.addFace(outline, fenceRegion, Shading::flat());

    // The lawn seen between the pickets below the notches, in shadow.
    QPainterPath behind;
    for (int i = 0; i + 1 < count; ++i) {
        const double left = x0 + i * (picket + gap) + picket;
        behind.addRect(QRectF(left, notch, gap, yb - notch - 6.0));
    }
    piece.addDetail(behind, behindRegion, Shading::linear(QPointF(0, notch), 80, QPointF(0, yb), 112), false);

    // Two rails across the pickets, with the shadow they cast.
    for (double railY : {notch + 8.0, yb - 22.0}) {
        const QRectF rail(x0, railY, end - x0, 9.0);
        piece.addShade(rectPath(rail.translated(0, 5.0)), Shading::flat(104));
        piece.addDetail(rectPath(rail), fenceRegion, Shading::linear(rail.topLeft(), 150, rail.bottomLeft(), 118));
    }
    QPainterPath edges;
    for (int i = 0; i < count; ++i) {
        const double left = x0 + i * (picket + gap);
        if (i > 0) {
            edges.moveTo(left, notch);
            edges.lineTo(left, yb - 6.0);
        }
        if (i + 1 < count) {
            edges.moveTo(left + picket, notch);
            edges.lineTo(left + picket, yb - 6.0);
        }
    }
    piece.addInk(edges, InkStyle::Detail, 1.0);
    // Grass at the foot, darker towards the ground.
    piece.addShade(rectPath(QRectF(x0, yb - 8.0, end - x0, 8.0)),
                   Shading::linear(QPointF(0, yb - 8.0), 127, QPointF(0, yb), 96));
    // The foot edge is the outline's last edge (from the last corner back
    // to the first).
    piece.addFlap(face, int(outline.size()) - 1, flapDepth, flapRegion);
    return face;
}

} // namespace NetBuilders
