// Moving about the page: the wheel and the keys that scroll it, and the
// host's side of it (the page point under a point, and scrolling a page
// point to a place), with which a host keeps the point under the pointer
// while it zooms.
#include "view/RKV3CanvasCtl.h"

#include "platform/Metrics.h"
#include "view/CanvasView.h"
#include "view/SignedScrollBar.h"

#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using Platform::Metrics::SM_CYVTHUMB;
using Platform::Metrics::systemMetric;

namespace {

// One notch of a classic wheel, in eighths of a degree.
constexpr double WheelNotch = 120;
// The notches that move the page by the viewport's extent.
constexpr double NotchesPerView = 10;

}  // namespace

// Puts a shown bar at value, or at the end of its range nearest to it.
void RKV3CanvasCtl::scrollBarTo(SignedScrollBar* bar, double value)
{
    if (bar->isHidden() || !std::isfinite(value)) return;
    const int low = std::min(bar->Min(), bar->Max());
    const int high = std::max(bar->Min(), bar->Max());
    bar->SetValue(int(std::lround(std::clamp(value, double(low), double(high)))));
}

// A notch moves the page a tenth of the viewport's height (with Shift, of
// its width, sideways); a touchpad's pixel deltas move it as far as the
// fingers went. Parts of a pixel add up over turns. A turn with Ctrl is not
// taken: it is the host's zoom.
bool RKV3CanvasCtl::scrollWheel(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) return false;
    const QPoint pixels = event->pixelDelta();
    QPointF turn = pixels.isNull() ? QPointF(event->angleDelta()) : QPointF(pixels);
    if (event->modifiers() & Qt::ShiftModifier) turn = QPointF(turn.x() + turn.y(), 0);
    if (pixels.isNull())
        turn = QPointF(turn.x() * picMain_->width() / (WheelNotch * NotchesPerView),
                       turn.y() * picMain_->height() / (WheelNotch * NotchesPerView));
    wheelRestX_ += turn.x();
    wheelRestY_ += turn.y();
    const double moveX = std::trunc(wheelRestX_);
    const double moveY = std::trunc(wheelRestY_);
    wheelRestX_ -= moveX;
    wheelRestY_ -= moveY;
    // A bar's value is the view's left (or top): turning the wheel up moves
    // the page down, to show what lies above.
    if (moveX != 0) scrollBarTo(hscPicture_, hscPicture_->Value() + moveX);
    if (moveY != 0) scrollBarTo(vscPicture_, vscPicture_->Value() + moveY);
    return true;
}

void RKV3CanvasCtl::wheelEvent(QWheelEvent* event)
{
    if (scrollWheel(event)) event->accept();
    else event->ignore();
}

// Space and Shift+Space move the page a screenful down and up (the part of
// the viewport the page is seen in, as the scroll range counts it); Home and
// End go to its top and bottom.
bool RKV3CanvasCtl::scrollKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const double screenful = picMain_->height() - systemMetric(SM_CYVTHUMB);
    const double value = vscPicture_->Value();
    switch (event->key()) {
    case Qt::Key_Space:
        if (modifiers == Qt::NoModifier) scrollBarTo(vscPicture_, value - screenful);
        else if (modifiers == Qt::ShiftModifier) scrollBarTo(vscPicture_, value + screenful);
        else return false;
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (modifiers != Qt::NoModifier) return false;
        scrollBarTo(vscPicture_, event->key() == Qt::Key_Home ? vscPicture_->Min() : vscPicture_->Max());
        return true;
    default: return false;
    }
}

QSize RKV3CanvasCtl::ViewportSize() const { return picMain_->size(); }

QPointF RKV3CanvasCtl::PagePointAt(QPointF at) const
{
    if (imageWidth_ <= 0 || imageHeight_ <= 0 || picView_->width() <= 0 || picView_->height() <= 0) return {};
    const QPointF inView = at - QPointF(picMain_->pos() + picView_->pos());
    return {inView.x() * imageWidth_ / picView_->width(), inView.y() * imageHeight_ / picView_->height()};
}

void RKV3CanvasCtl::ShowPagePointAt(QPointF page, QPointF at)
{
    if (imageWidth_ <= 0 || imageHeight_ <= 0) return;
    const QPointF inViewport = at - QPointF(picMain_->pos());
    scrollBarTo(hscPicture_, inViewport.x() - page.x() * picView_->width() / imageWidth_);
    scrollBarTo(vscPicture_, inViewport.y() - page.y() * picView_->height() / imageHeight_);
}
