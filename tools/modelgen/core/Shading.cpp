#include "modelgen/core/Shading.h"

#include <QLinearGradient>

#include <algorithm>

namespace {
QColor grey(int level)
{
    const int v = std::clamp(level, 0, 255);
    return QColor(v, v, v);
}
} // namespace

Shading Shading::flat(int level)
{
    Shading s;
    s.fromLevel_ = s.toLevel_ = std::clamp(level, 0, 255);
    return s;
}

Shading Shading::linear(QPointF from, int fromLevel, QPointF to, int toLevel)
{
    Shading s;
    s.flat_ = false;
    s.from_ = from;
    s.to_ = to;
    s.fromLevel_ = std::clamp(fromLevel, 0, 255);
    s.toLevel_ = std::clamp(toLevel, 0, 255);
    return s;
}

QBrush Shading::brush() const
{
    if (flat_) return QBrush(grey(fromLevel_));
    QLinearGradient gradient(from_, to_);
    gradient.setColorAt(0.0, grey(fromLevel_));
    gradient.setColorAt(1.0, grey(toLevel_));
    gradient.setSpread(QGradient::PadSpread);
    return QBrush(gradient);
}
