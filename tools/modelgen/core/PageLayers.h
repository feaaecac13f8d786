#pragma once

#include "modelgen/core/Shading.h"

#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

// The three 8-bit layers of one page, drawn separately and combined at the
// end into page pixels (red = shading level, green = region number,
// blue = ink level):
// - the region layer is filled without antialiasing, so every pixel holds an
//   exact region number and no two regions are ever blended;
// - the shading layer is filled over exactly the same pixels;
// - the ink layer is stroked with antialiasing (255 = no ink), and a line
//   only ever darkens what is already there.
// Drawing coordinates are multiplied by the scale, so one layout can be drawn
// at any resolution.
class PageLayers {
public:
    PageLayers(int width, int height, double scale = 1.0);

    int width() const { return region_.width(); }
    int height() const { return region_.height(); }
    double scale() const { return scale_; }

    // Sets region and shading over the area (and its boundary pixels).
    void fillRegion(const QPainterPath& area, int region, const Shading& shading);
    // Changes only the shading inside the area.
    void fillShade(const QPainterPath& area, const Shading& shading);
    // Strokes lines into the ink layer, limited to clip when it is not empty.
    void drawInk(const QPainterPath& lines, const QPen& pen,
                 const QPainterPath& clip = QPainterPath());

    const QImage& regionLayer() const { return region_; }
    const QImage& shadeLayer() const { return shade_; }
    const QImage& inkLayer() const { return ink_; }

    // The page pixels: Format_RGB32 with red = shading, green = region,
    // blue = ink.
    QImage compose() const;

private:
    void fillAliased(QImage& layer, const QPainterPath& area, const QBrush& brush);

    QImage region_;
    QImage shade_;
    QImage ink_;
    double scale_;
    QTransform transform_;
};
