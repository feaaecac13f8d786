#include "modelgen/core/InkPen.h"

namespace {
QPen greyPen(int level, double width)
{
    QPen pen(QColor(level, level, level));
    pen.setWidthF(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}
} // namespace

QPen MakeInkPen(InkStyle style, double lineWidth)
{
    switch (style) {
    case InkStyle::Cut:
        return greyPen(0, lineWidth > 0 ? lineWidth : 2.0);
    case InkStyle::Fold: {
        QPen pen = greyPen(70, lineWidth > 0 ? lineWidth : 1.4);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({5.0, 3.5});
        return pen;
    }
    case InkStyle::Detail:
        return greyPen(45, lineWidth > 0 ? lineWidth : 1.3);
    case InkStyle::Texture:
        return greyPen(190, lineWidth > 0 ? lineWidth : 1.0);
    case InkStyle::Lettering:
        return greyPen(20, lineWidth > 0 ? lineWidth : 1.6);
    }
    return greyPen(0, 1.0);
}
