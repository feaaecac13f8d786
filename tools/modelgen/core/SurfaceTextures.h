#pragma once

#include <QPainterPath>
#include <QRectF>

class DeterministicRandom;

// Line patterns printed lightly on surfaces; callers clip them to the face
// or detail they belong to.
namespace SurfaceTextures {

// Courses of bricks, stones or tiles: horizontal joints every courseHeight
// and vertical joints every unitLength, shifted by half a unit on every
// other course.
QPainterPath courses(const QRectF& area, double courseHeight, double unitLength);

// Parallel boards: lines every spacing, vertical or horizontal.
QPainterPath boards(const QRectF& area, double spacing, bool vertical);

// Small grass tufts scattered over the area.
QPainterPath grass(const QRectF& area, int count, DeterministicRandom& random);

} // namespace SurfaceTextures
