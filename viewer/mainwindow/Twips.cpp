#include "mainwindow/Twips.h"

#include "platform/Metrics.h"

#include <QWidget>
#include <cmath>

namespace Twips {

int toPixelsX(double twips)
{
    return int(std::lround(twips / Platform::Metrics::twipsPerPixelX()));
}

int toPixelsY(double twips)
{
    return int(std::lround(twips / Platform::Metrics::twipsPerPixelY()));
}

double fromPixelsX(int pixels) { return pixels * Platform::Metrics::twipsPerPixelX(); }
double fromPixelsY(int pixels) { return pixels * Platform::Metrics::twipsPerPixelY(); }

QRect toPixels(double left, double top, double width, double height)
{
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

void place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixels(left, top, width, height));
}

double leftOf(const QWidget* widget) { return fromPixelsX(widget->x()); }
double topOf(const QWidget* widget) { return fromPixelsY(widget->y()); }
double widthOf(const QWidget* widget) { return fromPixelsX(widget->width()); }
double heightOf(const QWidget* widget) { return fromPixelsY(widget->height()); }

}  // namespace Twips
