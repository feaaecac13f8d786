#include "modelgen/core/Piece.h"

#include "modelgen/core/PageLayers.h"
#include "modelgen/core/StrokeFont.h"

#include <QLineF>

#include <cmath>
#include <map>
#include <utility>

namespace {

QPainterPath polygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPointF centroid(const QPolygonF& polygon)
{
    QPointF sum;
    for (const QPointF& p : polygon) sum += p;
    return polygon.isEmpty() ? sum : sum / double(polygon.size());
}

// Corner points are compared on a 1/64 unit grid, so corners computed by
// different arithmetic still meet.
using PointKey = std::pair<long long, long long>;
PointKey keyOf(QPointF p)
{
    return {std::llround(p.x() * 64.0), std::llround(p.y() * 64.0)};
}

} // namespace

int Piece::addFace(const QPolygonF& outline, int region, const Shading& shading)
{
    faces_.push_back({outline});
    areas_.push_back({polygonPath(outline), region, shading});
    return int(faces_.size()) - 1;
}

int Piece::addFlap(int face, int edge, double depth, int region, const Shading& shading)
{
    const QPolygonF& base = faces_[std::size_t(face)].outline;
    const QPointF a = base[edge % base.size()];
    const QPointF b = base[(edge + 1) % base.size()];
    const QLineF line(a, b);
    const double length = line.length();
    if (length <= 0.0) return -1;
    const QPointF along = (b - a) / length;
    QPointF normal(-along.y(), along.x());
    const QPointF middle = (a + b) / 2.0;
    const QPointF toCentre = centroid(base) - middle;
    if (normal.x() * toCentre.x() + normal.y() * toCentre.y() > 0) normal = -normal;
    // Slanted ends keep neighbouring flaps from overlapping at the corners.
    const double taper = std::min(depth * 0.9, length * 0.3);
    const QPolygonF flap{a, b, b + normal * depth - along * taper,
                         a + normal * depth + along * taper};
    return addFace(flap, region, shading);
}

void Piece::addDetail(const QPainterPath& shape, int region, const Shading& shading, bool outlined)
{
    areas_.push_back({shape, region, shading});
    if (outlined) ink_.push_back({shape, MakeInkPen(InkStyle::Detail), {}});
}

void Piece::addShade(const QPainterPath& area, const Shading& shading)
{
    areas_.push_back({area, -1, shading});
}

void Piece::addFaceInk(int face, const QPainterPath& lines, InkStyle style, double width)
{
    ink_.push_back({lines, MakeInkPen(style, width), polygonPath(faces_[std::size_t(face)].outline)});
}

void Piece::addInk(const QPainterPath& lines, InkStyle style, double width, const QPainterPath& clip)
{
    ink_.push_back({lines, MakeInkPen(style, width), clip});
}

void Piece::addLabel(const QString& text, QPointF topLeft, double capHeight)
{
    addInk(StrokeFont::textPath(text, topLeft, capHeight), InkStyle::Lettering, capHeight / 7.0);
}

QRectF Piece::bounds() const
{
    QRectF box;
    for (const Face& f : faces_) box = box.united(f.outline.boundingRect());
    return box;
}

void Piece::classifyEdges(QPainterPath& cuts, QPainterPath& folds) const
{
    struct EdgeUse {
        QPointF a, b;
        int count = 0;
    };
    // Ordered by key, so the lines are always drawn in the same order.
    std::map<std::pair<PointKey, PointKey>, EdgeUse> edges;
    for (const Face& f : faces_) {
        const int n = int(f.outline.size());
        for (int i = 0; i < n; ++i) {
            const QPointF a = f.outline[i];
            const QPointF b = f.outline[(i + 1) % n];
            PointKey ka = keyOf(a), kb = keyOf(b);
            if (ka == kb) continue;
            const bool swapped = kb < ka;
            auto& use = edges[swapped ? std::make_pair(kb, ka) : std::make_pair(ka, kb)];
            if (use.count == 0) {
                use.a = swapped ? b : a;
                use.b = swapped ? a : b;
            }
            ++use.count;
        }
    }
    for (const auto& [key, use] : edges) {
        QPainterPath& target = use.count > 1 ? folds : cuts;
        target.moveTo(use.a);
        target.lineTo(use.b);
    }
}

QPainterPath Piece::cutLines() const
{
    QPainterPath cuts, folds;
    classifyEdges(cuts, folds);
    return cuts;
}

QPainterPath Piece::foldLines() const
{
    QPainterPath cuts, folds;
    classifyEdges(cuts, folds);
    return folds;
}

void Piece::draw(PageLayers& layers) const
{
    for (const Area& area : areas_) {
        if (area.region < 0)
            layers.fillShade(area.shape, area.shading);
        else
            layers.fillRegion(area.shape, area.region, area.shading);
    }
    for (const InkMark& mark : ink_) layers.drawInk(mark.lines, mark.pen, mark.clip);
    QPainterPath cuts, folds;
    classifyEdges(cuts, folds);
    layers.drawInk(folds, MakeInkPen(InkStyle::Fold));
    layers.drawInk(cuts, MakeInkPen(InkStyle::Cut));
}
