#pragma once

namespace Platform {

// Screen metrics the canvas and dialogs lay themselves out with, taken from
// the screen's logical resolution and the current QStyle.
namespace Metrics {

// Twips (1/1440 inch) per screen pixel: 1440 / the screen's logical dots per
// inch, 15 at 96.
double twipsPerPixelX();
double twipsPerPixelY();

// The classic system metric indices the layout code names.
enum SystemMetric {
    SM_CXBORDER = 5,    // a thin border across
    SM_CYBORDER = 6,    // a thin border down
    SM_CXDLGFRAME = 7,  // the allowance for a frame on both sides, across
    SM_CYDLGFRAME = 8,  // the same, down
    SM_CYVTHUMB = 9,    // thumb size of a vertical scroll bar
    SM_CXHTHUMB = 10,   // thumb size of a horizontal scroll bar
};

// The value of a metric in pixels. Borders are the style's frame width, the
// frame allowances cover a frame on both sides, thumbs are the style's
// scroll-bar extent. Unknown indices give 0.
int systemMetric(int index);

// Width of the frame the style draws around a panel.
int frameWidth();

// Thickness of a scroll bar.
int scrollBarExtent();

}  // namespace Metrics
}  // namespace Platform
