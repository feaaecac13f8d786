// Zoom and layout: the view's size from the zoom, its place in the
// viewport, the scroll ranges, the bars and the corner square, and the
// stored scroll position.
#include "view/RKV3CanvasCtl.h"

#include "colorbytes/ColorBytes.h"
#include "platform/BusyPointer.h"
#include "platform/Metrics.h"
#include "view/CanvasView.h"
#include "view/ScrollGeometry.h"
#include "view/SignedScrollBar.h"

#include <algorithm>
#include <limits>

using Platform::Metrics::SM_CXBORDER;
using Platform::Metrics::SM_CXDLGFRAME;
using Platform::Metrics::SM_CXHTHUMB;
using Platform::Metrics::SM_CYBORDER;
using Platform::Metrics::SM_CYDLGFRAME;
using Platform::Metrics::SM_CYVTHUMB;
using Platform::Metrics::systemMetric;

namespace {

int toInt32(double value)
{
    if (!(value == value)) return 0;
    return int(std::clamp(RoundHalfEven(value), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

// A computed place or extent of the view in whole pixels, kept within what a
// widget can take, so that any zoom (huge, infinite or not a number) gives a
// defined geometry.
int toWidgetPixels(float value)
{
    if (!(value == value)) return 0;
    // Rounded in double: a float sum near the limit would round past it.
    return qRound(std::clamp(double(value), -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX)));
}

}  // namespace

// The view's width or height as a widget can have it, so that the scroll
// ranges are those of the view as it is.
float RKV3CanvasCtl::boundedViewExtent(double value)
{
    if (!(value == value)) return 0;
    return float(std::clamp(value, 0.0, double(QWIDGETSIZE_MAX)));
}

void RKV3CanvasCtl::setZoom(double value)
{
    layoutPending_ = (value != zoom_);
    zoom_ = value;
    ApplyZoom();
    emit ZoomChanged(toInt32(value));
}

void RKV3CanvasCtl::applyViewGeometry()
{
    picView_->setGeometry(toWidgetPixels(viewLeft_), toWidgetPixels(viewTop_),
                          std::max(0, toWidgetPixels(viewWidth_)),
                          std::max(0, toWidgetPixels(viewHeight_)));
}

// Pre-centres the view before the bars are computed: a view smaller than
// the viewport is centred with room for a bar, a larger one on the middle.
void RKV3CanvasCtl::centreSmallView()
{
    const int thumb = systemMetric(SM_CYVTHUMB);
    const float mw = float(picMain_->width());
    const float mh = float(picMain_->height());
    viewLeft_ = viewWidth_ < mw ? (mw - viewWidth_ - float(thumb)) / 2 : (mw - viewWidth_) / 2;
    viewTop_ = viewHeight_ < mh ? (mh - viewHeight_ - float(thumb)) / 2 : (mh - viewHeight_) / 2;
}

void RKV3CanvasCtl::ApplyZoom()
{
    if (bufferPicture_.isNull()) return;
    picView_->show();
    picView_->Clear();
    {
        Platform::PaintFreeze freeze(picMain_);
        viewWidth_ = boundedViewExtent(double(imageWidth_) * (zoom_ / 100.0));
        viewHeight_ = boundedViewExtent(double(imageHeight_) * (zoom_ / 100.0));
        if (layoutPending_) centreSmallView();
        applyViewGeometry();
        Platform::letPendingEventsRun();
        picView_->DrawStretched(bufferPicture_, picView_->size());
        UpdateScrollBars();
        UpdateScrollBars();
    }
}

void RKV3CanvasCtl::ShowLoadedPage()
{
    picView_->show();
    picView_->Clear();
    picView_->DrawStretched(bufferPicture_, picView_->size());
    centreSmallView();
    applyViewGeometry();
    UpdateScrollBars();
    Platform::letPendingEventsRun();
    UpdateScrollBars();
}

// Computes one axis. A fitting view is centred and its bar hidden; otherwise
// the bar is shown with Min 0 and a negative Max and set to the middle of its
// range. keepPosition leaves the value alone when the range did not change
// (a recalled position). The view's offset is kept equal to the bar's value
// even when the value did not change, so the convention holds after any pass.
static void updateAxis(SignedScrollBar* bar, int viewport, float viewExtent, int thumb,
                       bool keepPosition, float& viewOffset)
{
    const ScrollRange range = ComputeScrollRange(viewport, viewExtent, thumb);
    if (range.fits) {
        bar->SetValue(bar->Min());
        bar->hide();
        viewOffset = float(range.centredOffset);
        return;
    }
    bar->show();
    bar->raise();
    bar->SetMin(0);
    const bool sameRange = bar->Max() == range.max;
    bar->SetMax(range.max);
    if (!(keepPosition && sameRange)) bar->SetValue(range.middle);
    viewOffset = float(bar->Value());
}

void RKV3CanvasCtl::UpdateScrollBars(bool keepPosition)
{
    updateAxis(hscPicture_, picMain_->width(), viewWidth_, systemMetric(SM_CXHTHUMB), keepPosition,
               viewLeft_);
    updateAxis(vscPicture_, picMain_->height(), viewHeight_, systemMetric(SM_CYVTHUMB),
               keepPosition, viewTop_);
    applyViewGeometry();

    picTemp_->setVisible(!hscPicture_->isHidden() && !vscPicture_->isHidden());
    picTemp_->raise();
    placeCornerSquare();
    ArrangeScrollBars();
}

void RKV3CanvasCtl::placeCornerSquare()
{
    picTemp_->setGeometry(hscPicture_->width(), vscPicture_->height(), vscPicture_->width(),
                          hscPicture_->height());
}

// Lays the bars along the bottom and right edges of the control. Wc and Hc
// are the control's outer size; the frame allowances take the control's own
// frame off both sides, so the bars end on the viewport's edges.
void RKV3CanvasCtl::ArrangeScrollBars()
{
    const int wc = width();
    const int hc = height();
    const int hHeight = hscPicture_->height();
    const int vWidth = vscPicture_->width();
    int hWidth = !vscPicture_->isHidden() ? wc - vWidth - 2 * systemMetric(SM_CXBORDER)
                                          : wc - systemMetric(SM_CXDLGFRAME);
    hscPicture_->setGeometry(0, hc - hHeight - systemMetric(SM_CYDLGFRAME), std::max(0, hWidth),
                             hHeight);
    int vHeight = !hscPicture_->isHidden() ? hc - hHeight - 2 * systemMetric(SM_CYBORDER)
                                           : hc - systemMetric(SM_CYDLGFRAME);
    vscPicture_->setGeometry(wc - vWidth - systemMetric(SM_CXDLGFRAME), 0, vWidth,
                             std::max(0, vHeight));
}

void RKV3CanvasCtl::viewportResized()
{
    ArrangeScrollBars();
    placeCornerSquare();
    UpdateScrollBars();
}

void RKV3CanvasCtl::StorePosition()
{
    savedHMax_ = hscPicture_->Max();
    savedHValue_ = hscPicture_->Value();
    savedVMax_ = vscPicture_->Max();
    savedVValue_ = vscPicture_->Value();
}

void RKV3CanvasCtl::RecallPosition()
{
    if (vscPicture_->Max() != savedVMax_ || hscPicture_->Max() != savedHMax_) return;
    hscPicture_->SetValue(savedHValue_);
    vscPicture_->SetValue(savedVValue_);
    UpdateScrollBars(true);
    UpdateScrollBars(true);
}
