#include "modelgen/core/BuildingDetails.h"
#include "modelgen/core/ShapePaths.h"

#include "modelgen/core/CottageRegions.h"
#include "modelgen/core/Piece.h"
#include "modelgen/core/SurfaceTextures.h"

#include <QLineF>
#include <QPolygonF>

namespace BuildingDetails {

namespace {

void shutter(Piece& piece, const QRectF& r)
{
    piece.addDetail(rectPath(r), CottageRegion::Shutters, Shading::flat());
    QPainterPath louvres;
    for (double y = r.top() + 7.0; y < r.bottom() - 4.0; y += 7.0) {
        louvres.moveTo(r.left() + 4.0, y);
        louvres.lineTo(r.right() - 4.0, y);
    }
    piece.addInk(louvres, InkStyle::Texture, 1.0, rectPath(r));
    // The shadow a shutter casts on the wall beside it.
    piece.addShade(rectPath(QRectF(r.right(), r.top() + 4.0, 5.0, r.height())),
                   Shading::flat(100));
}

} // namespace

void window(Piece& piece, const QRectF& frame, bool shutters)
{
    // Shadow under the sill first, so the sill itself stays lit.
    const QRectF shadow(frame.left() - 6.0, frame.bottom() + 4.0, frame.width() + 12.0, 12.0);
    piece.addShade(rectPath(shadow), Shading::linear(shadow.topLeft(), 88, shadow.bottomLeft(), 127));
    if (shutters) {
        const double w = frame.width() * 0.42;
        shutter(piece, QRectF(frame.left() - w - 3.0, frame.top(), w, frame.height()));
        shutter(piece, QRectF(frame.right() + 3.0, frame.top(), w, frame.height()));
    }
    piece.addDetail(rectPath(frame), CottageRegion::Trim, Shading::flat());
    const QRectF glass = frame.adjusted(7.0, 7.0, -7.0, -7.0);
    const double bar = 5.0;
    const double paneW = (glass.width() - bar) / 2.0;
    const double paneH = (glass.height() - bar) / 2.0;
    const Shading reflection = Shading::linear(glass.topLeft(), 178, glass.bottomRight(), 96);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            piece.addDetail(rectPath(QRectF(glass.left() + col * (paneW + bar),
                                            glass.top() + row * (paneH + bar), paneW, paneH)),
                            CottageRegion::WindowGlass, reflection);
    const QRectF sill(frame.left() - 6.0, frame.bottom() - 1.0, frame.width() + 12.0, 7.0);
    piece.addDetail(rectPath(sill), CottageRegion::Trim, Shading::flat(150));
}

void roundWindow(Piece& piece, QPointF centre, double radius)
{
    piece.addShade(circlePath(centre + QPointF(3.0, 4.0), radius), Shading::flat(96));
    piece.addDetail(circlePath(centre, radius), CottageRegion::Trim, Shading::flat());
    const double inner = radius - 6.0;
    piece.addDetail(circlePath(centre, inner), CottageRegion::WindowGlass,
                    Shading::linear(centre - QPointF(inner, inner), 180, centre + QPointF(inner, inner), 98));
    QPainterPath cross;
    cross.moveTo(centre.x() - inner, centre.y());
    cross.lineTo(centre.x() + inner, centre.y());
    cross.moveTo(centre.x(), centre.y() - inner);
    cross.lineTo(centre.x(), centre.y() + inner);
    piece.addInk(cross, InkStyle::Detail, 2.5);
}

void door(Piece& piece, const QRectF& leaf)
{
    const QRectF frame = leaf.adjusted(-8.0, -8.0, 8.0, 0.0);
    piece.addDetail(rectPath(frame), CottageRegion::Trim, Shading::flat());
    // The leaf sits back in its frame: a little darker at the hinge side.
    piece.addDetail(rectPath(leaf), CottageRegion::Door,
                    Shading::linear(leaf.topLeft(), 108, leaf.topLeft() + QPointF(14.0, 0.0), 127));
    const double margin = leaf.width() * 0.16;
    const double glassH = leaf.height() * 0.2;
    const QRectF glass(leaf.left() + margin, leaf.top() + margin, leaf.width() - 2 * margin, glassH);
    piece.addDetail(rectPath(glass), CottageRegion::WindowGlass,
                    Shading::linear(glass.topLeft(), 170, glass.bottomRight(), 100));
    const double panelTop = glass.bottom() + margin;
    const double panelH = (leaf.bottom() - margin - panelTop - margin) / 2.0;
    QPainterPath panels;
    for (int row = 0; row < 2; ++row)
        panels.addRect(QRectF(leaf.left() + margin, panelTop + row * (panelH + margin),
                              leaf.width() - 2 * margin, panelH));
    piece.addInk(panels, InkStyle::Detail, 1.1);
    piece.addShade(panels, Shading::flat(112));
    const QPointF knob(leaf.right() - margin * 0.8, leaf.center().y() + 6.0);
    piece.addDetail(circlePath(knob, 4.0), CottageRegion::Trim,
                    Shading::linear(knob - QPointF(3, 3), 190, knob + QPointF(3, 3), 90));
}

void beam(Piece& piece, QPointF from, QPointF to, double width)
{
    const QLineF axis(from, to);
    const QLineF normal = axis.normalVector().unitVector();
    const QPointF off = (normal.p2() - normal.p1()) * (width / 2.0);
    const QPolygonF shape{from + off, to + off, to - off, from - off};
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    piece.addDetail(path, CottageRegion::TimberFraming, Shading::flat());
    QPainterPath grain;
    grain.moveTo(from + off * 0.3);
    grain.lineTo(to + off * 0.3);
    piece.addInk(grain, InkStyle::Texture, 0.8, path);
}

void foundation(Piece& piece, const QRectF& band)
{
    piece.addDetail(rectPath(band), CottageRegion::Foundation,
                    Shading::linear(band.topLeft(), 140, band.bottomLeft(), 112));
    piece.addInk(SurfaceTextures::courses(band, band.height() / 2.0, 26.0), InkStyle::Texture, 1.0,
                 rectPath(band));
}

void eaveShadow(Piece& piece, const QRectF& wallTop, double depth)
{
    const QRectF band(wallTop.left(), wallTop.top(), wallTop.width(), depth);
    piece.addShade(rectPath(band), Shading::linear(band.topLeft(), 84, band.bottomLeft(), 127));
}

} // namespace BuildingDetails
