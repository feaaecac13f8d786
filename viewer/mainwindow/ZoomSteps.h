#pragma once

#include <QString>

// The zooms the viewer offers, in whole percent: the zoom list's ten items
// (10 % to 100 % in steps of 10) and, from the View menu and Ctrl+wheel, the
// steps above them up to 400 %; and the zooms that fit a page to the canvas
// or show it at its physical size. Plain arithmetic, no widgets.
namespace ZoomSteps {

inline constexpr int MinZoom = 10;
inline constexpr int ListMaxZoom = 100;
inline constexpr int MaxZoom = 400;

// The next step above (direction > 0) or below (direction < 0) zoom, among
// the steps no higher than `highest`; zoom itself when there is none. A zoom
// between steps (a fitted one) goes to the step next to it.
int Next(double zoom, int direction, int highest = MaxZoom);

// The zoom list's index of a zoom, or -1 for a zoom that is no item.
int ListIndex(double zoom);

// The zoom as the list shows it: "150%".
QString Text(int zoom);

// The largest zoom whose view fits the viewport on every axis given (a
// page extent of 0 leaves that axis out), by the canvas's fit rule: a view
// fits when the viewport less the scroll bar's thumb is wider than it, so
// no bar is shown. Held within MinZoom and MaxZoom.
int Fit(int viewportWidth, int pageWidth, int thumbWidth, int viewportHeight, int pageHeight,
        int thumbHeight);

// The zoom that shows a page of `pixelsPerInch` at its physical size on a
// screen of `screenDotsPerInch` logical dots, rounded to whole percent and
// held within MinZoom and MaxZoom.
int ActualSize(double screenDotsPerInch, int pixelsPerInch);

}  // namespace ZoomSteps
