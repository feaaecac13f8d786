#include "platform/Metrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

namespace Platform::Metrics {

namespace {

double logicalDpi(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = 0;
    if (screen) dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

QStyle* currentStyle() { return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr; }

}  // namespace

double twipsPerPixelX() { return 1440.0 / logicalDpi(true); }
double twipsPerPixelY() { return 1440.0 / logicalDpi(false); }

int frameWidth()
{
    QStyle* style = currentStyle();
    return style ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 2;
}

int scrollBarExtent()
{
    QStyle* style = currentStyle();
    return style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
}

int systemMetric(int index)
{
    switch (index) {
    case SM_CXBORDER:
    case SM_CYBORDER: return frameWidth();
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 2 * frameWidth();
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return scrollBarExtent();
    default: return 0;
    }
}

}  // namespace Platform::Metrics
