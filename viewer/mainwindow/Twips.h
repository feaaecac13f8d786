#pragma once

#include <QRect>

class QWidget;

// The window's coordinate unit is the twip (1/1440 inch); widgets are placed
// in pixels. These convert between the two through the platform's twips per
// pixel, rounding to the nearest pixel.
namespace Twips {

int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int pixels);
double fromPixelsY(int pixels);

// A rectangle given as left, top, width and height in twips, in pixels.
QRect toPixels(double left, double top, double width, double height);

// Places a widget at its designed position and size in twips.
void place(QWidget* widget, double left, double top, double width, double height);

// A widget's position and size in twips.
double leftOf(const QWidget* widget);
double topOf(const QWidget* widget);
double widthOf(const QWidget* widget);
double heightOf(const QWidget* widget);

}  // namespace Twips
