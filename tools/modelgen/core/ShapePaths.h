#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

// Small shape builders shared by every page drawing.

inline QPolygonF rectPolygon(const QRectF& r)
{
    return QPolygonF{r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
}

inline QPainterPath rectPath(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

inline QPainterPath circlePath(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}
