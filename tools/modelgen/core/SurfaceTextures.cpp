#include "modelgen/core/SurfaceTextures.h"

#include "modelgen/core/DeterministicRandom.h"

namespace SurfaceTextures {

QPainterPath courses(const QRectF& area, double courseHeight, double unitLength)
{
    QPainterPath path;
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += courseHeight, ++row) {
        if (y > area.top()) {
            path.moveTo(area.left(), y);
            path.lineTo(area.right(), y);
        }
        const double shift = (row % 2) ? unitLength / 2.0 : 0.0;
        for (double x = area.left() + shift + unitLength; x < area.right(); x += unitLength) {
            path.moveTo(x, y);
            path.lineTo(x, std::min(y + courseHeight, area.bottom()));
        }
    }
    return path;
}

QPainterPath boards(const QRectF& area, double spacing, bool vertical)
{
    QPainterPath path;
    if (vertical) {
        for (double x = area.left() + spacing; x < area.right(); x += spacing) {
            path.moveTo(x, area.top());
            path.lineTo(x, area.bottom());
        }
    } else {
        for (double y = area.top() + spacing; y < area.bottom(); y += spacing) {
            path.moveTo(area.left(), y);
            path.lineTo(area.right(), y);
        }
    }
    return path;
}

QPainterPath grass(const QRectF& area, int count, DeterministicRandom& random)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const QPointF base(random.between(area.left(), area.right()),
                           random.between(area.top(), area.bottom()));
        const double h = random.between(4.0, 8.0);
        path.moveTo(base + QPointF(-3.0, -h));
        path.lineTo(base);
        path.lineTo(base + QPointF(0.5, -h - 1.5));
        path.moveTo(base);
        path.lineTo(base + QPointF(3.5, -h + 1.0));
    }
    return path;
}

} // namespace SurfaceTextures
