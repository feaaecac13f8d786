// The wheel and keys over the canvas: scrolling the page, zooming with
// Ctrl+wheel and Ctrl++ / Ctrl+-, and turning pages with Page Up / Down.
#include "frmMain.h"

#include "RKV3CanvasCtl.h"
#include "SignedScrollBar.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// One notch of a classic wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

// Moves a shown bar by delta within its range; Value is the view's Left (or
// Top) inside the viewport, so a positive delta moves the page right (or
// down).
void ScrollBarBy(SignedScrollBar* bar, int delta)
{
    if (!bar || bar->isHidden() || delta == 0) return;
    const int lowest = std::min(bar->Min(), bar->Max());
    const int highest = std::max(bar->Min(), bar->Max());
    bar->SetValue(std::clamp(bar->Value() + delta, lowest, highest));
}

// Puts the view's left (or top) edge at `edge` as far as the bar allows.
void ScrollBarTo(SignedScrollBar* bar, double edge)
{
    if (!bar || bar->isHidden()) return;
    const int lowest = std::min(bar->Min(), bar->Max());
    const int highest = std::max(bar->Min(), bar->Max());
    bar->SetValue(std::clamp(int(std::lround(edge)), lowest, highest));
}

}  // namespace

void frmMain::createNavigationKeys()
{
    auto key = [this](const char* name, const QList<QKeySequence>& keys, auto handler) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    // The zoom keys act as the zoom buttons do, within their limits.
    actZoomIn = key("actZoomIn", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                    [this] {
                        if (cmdZoomIn->isEnabled()) cmdZoomIn_Click();
                    });
    actZoomOut = key("actZoomOut", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] {
        if (cmdZoomOut->isEnabled()) cmdZoomOut_Click();
    });
    // The page keys act as the page buttons do, while they are enabled; a
    // focused scroll bar or list keeps them (event below).
    actPageUp = key("actPageUp", {QKeySequence(Qt::Key_PageUp)}, [this] {
        if (cmdPrevPage->isEnabled()) cmdPrevPage_Click();
    });
    actPageDown = key("actPageDown", {QKeySequence(Qt::Key_PageDown)}, [this] {
        if (cmdNextPage->isEnabled()) cmdNextPage_Click();
    });
}

bool frmMain::event(QEvent* event)
{
    // A key is offered to the window's shortcuts before the focused control
    // sees it; the offer passes from the control up to the window. Taking it
    // here for Page Up and Page Down leaves them to a focused scroll bar,
    // which moves by its large change (as its arrows move the small one), or
    // to a focused list, which moves itself.
    if (event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QWidget* focus = QApplication::focusWidget();
        if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && focus
            && (qobject_cast<const QAbstractSlider*>(focus) || qobject_cast<const QAbstractItemView*>(focus)
                || qobject_cast<const QComboBox*>(focus))) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

bool frmMain::RKVCanvas_Wheel(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        // Whole notches move the zoom list; finer wheels add up to them.
        zoomWheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
        while (std::abs(zoomWheelRest_) >= WheelNotch) {
            const int direction = zoomWheelRest_ > 0 ? 1 : -1;
            zoomWheelRest_ -= direction * WheelNotch;
            ZoomStepAt(direction, event->position());
        }
        event->accept();
        return true;
    }
    zoomWheelRest_ = 0;

    auto* hsc = RKVCanvas->findChild<SignedScrollBar*>(QStringLiteral("hscPicture"));
    auto* vsc = RKVCanvas->findChild<SignedScrollBar*>(QStringLiteral("vscPicture"));
    double dx = 0;
    double dy = 0;
    const QPoint pixels = event->pixelDelta();
    if (!pixels.isNull()) {
        // A touchpad reports the distance itself: the page follows it.
        dx = pixels.x();
        dy = pixels.y();
    } else {
        // A notch moves as far as the bar itself moves for it: the wheel's
        // lines, each one arrow step.
        const double lines = QApplication::wheelScrollLines();
        dx = angle.x() * lines * (hsc ? hsc->singleStep() : 0) / WheelNotch;
        dy = angle.y() * lines * (vsc ? vsc->singleStep() : 0) / WheelNotch;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        dx += dy;
        dy = 0;
    }
    wheelRestX_ += dx;
    wheelRestY_ += dy;
    const int moveX = int(wheelRestX_);
    const int moveY = int(wheelRestY_);
    wheelRestX_ -= moveX;
    wheelRestY_ -= moveY;
    ScrollBarBy(hsc, moveX);
    ScrollBarBy(vsc, moveY);
    event->accept();
    return true;
}

void frmMain::ZoomStepAt(int direction, QPointF at)
{
    QToolButton* button = direction > 0 ? cmdZoomIn : cmdZoomOut;
    if (!button->isEnabled()) return;
    QWidget* view = RKVCanvas->findChild<QWidget*>(QStringLiteral("picView"));
    if (!view || !view->parentWidget()) {
        direction > 0 ? cmdZoomIn_Click() : cmdZoomOut_Click();
        return;
    }
    // The pointer's place on the page, as a fraction of the view, before
    // the zoom; after it the view is put back under the pointer.
    const QPointF pointer = view->parentWidget()->mapFrom(RKVCanvas, at.toPoint());
    const QRect before = view->geometry();
    const double fx = before.width() > 0 ? (pointer.x() - before.x()) / before.width() : 0.5;
    const double fy = before.height() > 0 ? (pointer.y() - before.y()) / before.height() : 0.5;
    direction > 0 ? cmdZoomIn_Click() : cmdZoomOut_Click();
    const QRect after = view->geometry();
    ScrollBarTo(RKVCanvas->findChild<SignedScrollBar*>(QStringLiteral("hscPicture")), pointer.x() - fx * after.width());
    ScrollBarTo(RKVCanvas->findChild<SignedScrollBar*>(QStringLiteral("vscPicture")), pointer.y() - fy * after.height());
}
