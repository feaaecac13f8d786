// The wheel and keys around the canvas: zooming with Ctrl+wheel, turning
// pages with Page Up / Down, and the focus after a choice in the lists.
#include "mainwindow/frmMain.h"

#include "mainwindow/ZoomSteps.h"
#include "view/RKV3CanvasCtl.h"

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
    // The page keys act as the page buttons do, while they are enabled; a
    // focused scroll bar or list keeps them (event below).
    actPageUp = key("actPageUp", {QKeySequence(Qt::Key_PageUp)}, [this] {
        if (cmdPrevPage->isEnabled()) cmdPrevPage_Click();
    });
    actPageDown = key("actPageDown", {QKeySequence(Qt::Key_PageDown)}, [this] {
        if (cmdNextPage->isEnabled()) cmdNextPage_Click();
    });
    // The View menu follows the zoom.
    connect(RKVCanvas, &RKV3CanvasCtl::ZoomChanged, this, [this] { UpdateViewMenu(); });
    ReturnFocusAfterMouseChoice(cboZoom);
    ReturnFocusAfterMouseChoice(cboPage);
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

// The canvas scrolls with the wheel itself and leaves a turn with Ctrl to
// the window, which zooms one step per notch, as View, Zoom In and Zoom Out
// do (up to 400 %).
bool frmMain::RKVCanvas_Wheel(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) return false;
    const QPoint angle = event->angleDelta();
    // Whole notches step the zoom; finer wheels add up to them.
    zoomWheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
    while (std::abs(zoomWheelRest_) >= WheelNotch) {
        const int direction = zoomWheelRest_ > 0 ? 1 : -1;
        zoomWheelRest_ -= direction * WheelNotch;
        ZoomStepAt(direction, event->position());
    }
    event->accept();
    return true;
}

void frmMain::ZoomStepAt(int direction, QPointF at)
{
    if (!ViewZoomAvailable()) return;
    const int zoom = ZoomSteps::Next(RKVCanvas->Zoom(), direction);
    if (zoom == RKVCanvas->Zoom()) return;
    // The page point under the pointer before the zoom is put back under it.
    const QPointF page = RKVCanvas->PagePointAt(at);
    SetViewZoom(zoom);
    RKVCanvas->ShowPagePointAt(page, at);
}

// A choice in the zoom or page list made with the mouse gives the keyboard
// back to the page, so that a later Home or arrow key moves the page rather
// than the list. A choice made with the keys leaves the focus where it is.
void frmMain::ReturnFocusAfterMouseChoice(QComboBox* list)
{
    list->view()->viewport()->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this, list] {
        if (mouseChoiceList_ == list) RKVCanvas->setFocus(Qt::MouseFocusReason);
        mouseChoiceList_ = nullptr;
    });
}

// Notes which list's popup the mouse was last released in; a key pressed in
// a popup makes its choice the keyboard's.
void frmMain::NoteMouseChoice(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::KeyPress) return;
    for (const QComboBox* list : {cboZoom, cboPage})
        if (list && watched == list->view()->viewport())
            mouseChoiceList_ = event->type() == QEvent::MouseButtonRelease ? list : nullptr;
}
