#include "modelgen/core/PageLayers.h"

#include <QPainter>

#include <algorithm>

PageLayers::PageLayers(int width, int height, double scale)
    : region_(width, height, QImage::Format_Grayscale8),
      shade_(width, height, QImage::Format_Grayscale8),
      ink_(width, height, QImage::Format_Grayscale8),
      scale_(scale),
      transform_(QTransform::fromScale(scale, scale))
{
    region_.fill(0);
    shade_.fill(Shading::FlatLevel);
    ink_.fill(255);
}

void PageLayers::fillAliased(QImage& layer, const QPainterPath& area, const QBrush& brush)
{
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(transform_);
    // A one-pixel cosmetic outline in the same brush takes the boundary
    // pixels too, so neighbouring faces leave no paper showing between them.
    QPen edge(brush, 0);
    edge.setCosmetic(true);
    painter.setPen(edge);
    painter.setBrush(brush);
    painter.drawPath(area);
}

void PageLayers::fillRegion(const QPainterPath& area, int region, const Shading& shading)
{
    const int r = std::clamp(region, 0, 255);
    fillAliased(region_, area, QBrush(QColor(r, r, r)));
    fillAliased(shade_, area, shading.brush());
}

void PageLayers::fillShade(const QPainterPath& area, const Shading& shading)
{
    fillAliased(shade_, area, shading.brush());
}

void PageLayers::drawInk(const QPainterPath& lines, const QPen& pen, const QPainterPath& clip)
{
    QPainter painter(&ink_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.setTransform(transform_);
    if (!clip.isEmpty()) painter.setClipPath(clip);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(lines);
}

QImage PageLayers::compose() const
{
    QImage page(width(), height(), QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y) {
        const uchar* shade = shade_.constScanLine(y);
        const uchar* region = region_.constScanLine(y);
        const uchar* ink = ink_.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < width(); ++x) out[x] = qRgb(shade[x], region[x], ink[x]);
    }
    return page;
}
