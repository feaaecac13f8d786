#pragma once

#include <QBrush>
#include <QPointF>

// How the shading channel is filled over an area: one flat level, or a
// linear ramp from one level at one point to another level at another point.
// Level 127 shows a region's colour exactly; higher levels lighten it and
// lower levels darken it.
class Shading {
public:
    static constexpr int FlatLevel = 127;

    static Shading flat(int level = FlatLevel);
    static Shading linear(QPointF from, int fromLevel, QPointF to, int toLevel);

    bool isFlat() const { return flat_; }
    int level() const { return fromLevel_; }

    // A brush for a Grayscale8 layer whose grey value is the shading level.
    QBrush brush() const;

private:
    bool flat_ = true;
    QPointF from_;
    QPointF to_;
    int fromLevel_ = FlatLevel;
    int toLevel_ = FlatLevel;
};
