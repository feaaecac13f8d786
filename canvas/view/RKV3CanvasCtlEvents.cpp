// Events and tools: the control's own events, the view's mouse and key
// events passed on to the host, and the pan and picker tools.
#include "view/RKV3CanvasCtl.h"

#include "view/CanvasView.h"
#include "view/KeyCodes.h"
#include "view/MousePointerImages.h"
#include "view/ScrollBarColorRequest.h"
#include "view/SignedScrollBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

void RKV3CanvasCtl::showEvent(QShowEvent* event)
{
    if (!propertiesInitialised_) InitProperties();
    QFrame::showEvent(event);
}

void RKV3CanvasCtl::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    picMain_->setGeometry(contentsRect());
    picTemp_->raise();
    emit Resize();
}

bool RKV3CanvasCtl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picView_) return picView_Event(event);
    // A wheel over a bar scrolls as over the page; one with Ctrl goes on to
    // the control and its host.
    if ((watched == hscPicture_ || watched == vscPicture_) && event->type() == QEvent::Wheel) {
        event->setAccepted(scrollWheel(static_cast<QWheelEvent*>(event)));
        return true;
    }
    if (watched == picMain_) {
        // The viewport's own answer to a bar's colour request: its background.
        if (event->type() == ScrollBarColorRequest::type()) {
            static_cast<ScrollBarColorRequest*>(event)->setAnswer(picMain_->palette().window());
            return true;
        }
        if (event->type() == QEvent::Resize) viewportResized();
        else if (event->type() == QEvent::MouseButtonDblClick) emit DblClick();
    }
    return QFrame::eventFilter(watched, event);
}

// The control's own key-down: keys that reach the control from the view
// (passed on by it) are not the control's, except the page keys.
void RKV3CanvasCtl::keyPressEvent(QKeyEvent* event)
{
    // The page keys, from the view or the control itself.
    if (scrollKey(event)) {
        event->accept();
        return;
    }
    if (QApplication::focusWidget() != this) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Right || key == Qt::Key_Left) && hscPicture_->Value() != 0) {
        if (!hscPicture_->isHidden()) hscPicture_->setFocus();
    } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && vscPicture_->Value() != 0) {
        if (!vscPicture_->isHidden()) vscPicture_->setFocus();
    }
    QFrame::keyPressEvent(event);
}

// ------------------------------------------------------------------- tools

void RKV3CanvasCtl::showToolPointer(int imageIndex)
{
    picView_->SetMouseIcon(MousePointerImages::cursor(imageIndex));
    picView_->SetMousePointer(99);
}

void RKV3CanvasCtl::setPanActive(bool value)
{
    panActive_ = value;
    PropertyChanged(QStringLiteral("PanActive"));
    if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else if (pickerActive_) showToolPointer(MousePointerImages::Dropper);
    else picView_->SetMousePointer(0);
}

void RKV3CanvasCtl::setPickerActive(bool value)
{
    pickerActive_ = value;
    if (pickerActive_) showToolPointer(MousePointerImages::Dropper);
    else if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else picView_->SetMousePointer(0);
}

// The pointer's position relative to the viewport's top left, sampled from
// the screen at each event rather than taken from the event.
QPoint RKV3CanvasCtl::pointerInViewport() const
{
    return QCursor::pos() - picMain_->mapToGlobal(QPoint(0, 0));
}

bool RKV3CanvasCtl::picView_Event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const short shift = KeyCodes::shiftState(mouse->modifiers());
        const float x = float(mouse->position().x());
        const float y = float(mouse->position().y());
        if (event->type() == QEvent::MouseButtonPress) {
            clickPending_ = true;
            picView_MouseDown(KeyCodes::buttonCode(mouse->button()), shift, x, y);
        } else if (event->type() == QEvent::MouseMove) {
            picView_MouseMove(KeyCodes::buttonMask(mouse->buttons()), shift, x, y);
        } else {
            picView_MouseUp(KeyCodes::buttonCode(mouse->button()), shift, x, y);
            // A press and a release over the view make a click.
            const bool click = clickPending_ && picView_->rect().contains(mouse->position().toPoint());
            clickPending_ = false;
            if (click) emit Click();
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double click is a double click only: no
        // MouseDown, and its release makes no click.
        clickPending_ = false;
        emit DblClick();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return picView_Key(static_cast<QKeyEvent*>(event));
    default: return false;
    }
}

void RKV3CanvasCtl::picView_MouseDown(short Button, short Shift, float X, float Y)
{
    emit MouseDown(Button, Shift, X, Y);
    if (!panActive_) return;
    dragging_ = Button == 1 && (!hscPicture_->isHidden() || !vscPicture_->isHidden());
    if (!dragging_) return;
    const QPoint at = pointerInViewport();
    dragLastX_ = at.x();
    dragLastY_ = at.y();
    showToolPointer(MousePointerImages::DragArrow);
}

// Each step moves the bars by the pointer's motion, so the page follows the
// pointer pixel for pixel. A step that would take a bar beyond its range ends
// on the range's end: the page stops exactly at the edge, however fast the
// pointer moves, and since the last position still advances while the page
// stands, moving back scrolls at once.
static void dragBar(SignedScrollBar* bar, int delta)
{
    if (bar->isHidden() || delta == 0) return;
    const int low = std::min(bar->Min(), bar->Max());
    const int high = std::max(bar->Min(), bar->Max());
    bar->SetValue(std::clamp(bar->Value() + delta, low, high));
}

void RKV3CanvasCtl::picView_MouseMove(short Button, short Shift, float X, float Y)
{
    emit MouseMove(Button, Shift, X, Y);
    if (!dragging_) return;
    const QPoint at = pointerInViewport();
    dragBar(hscPicture_, at.x() - dragLastX_);
    dragBar(vscPicture_, at.y() - dragLastY_);
    dragLastX_ = at.x();
    dragLastY_ = at.y();
}

void RKV3CanvasCtl::picView_MouseUp(short Button, short Shift, float X, float Y)
{
    emit MouseUp(Button, Shift, X, Y);
    dragging_ = false;
    if (panActive_) showToolPointer(MousePointerImages::PanArrow);
    else if (!pickerActive_) picView_->SetMousePointer(0);
}

// A key in the view goes to the host first (KeyDown, then KeyPress when it
// carries a character; KeyUp on release). Then the view goes on with it: as
// it came when the host changed nothing; not at all when the host set the
// key code to 0 and left no character; otherwise as a key rebuilt from the
// host's values, sent through the view in place of the original. Either way
// a key the view does not use travels up to the host's window.
bool RKV3CanvasCtl::picView_Key(QKeyEvent* event)
{
    if (forwardingKey_) return false;
    const bool press = event->type() == QEvent::KeyPress;
    const short code = KeyCodes::fromQtKey(event->key(), event->modifiers());
    const short shift = KeyCodes::shiftState(event->modifiers());
    short KeyCode = code;
    short Shift = shift;
    if (press) emit KeyDown(KeyCode, Shift);
    else emit KeyUp(KeyCode, Shift);

    QString text = event->text();
    bool textChanged = false;
    if (press && !text.isEmpty() && text.at(0).unicode() > 0 && text.at(0).unicode() <= 0x7FFF) {
        const short character = short(text.at(0).unicode());
        short KeyAscii = character;
        emit KeyPress(KeyAscii);
        if (KeyAscii != character) {
            textChanged = true;
            text = KeyAscii == 0 ? QString() : QString(QChar(char16_t(KeyAscii)));
        }
    }

    const bool keyChanged = KeyCode != code;
    const bool shiftChanged = Shift != shift;
    if (!keyChanged && !shiftChanged && !textChanged) return false;
    if (KeyCode == 0 && (!press || text.isEmpty())) return true;

    bool keypad = false;
    int key = event->key();
    if (keyChanged) key = KeyCodes::toQtKey(KeyCode, &keypad);
    else keypad = event->modifiers() & Qt::KeypadModifier;
    Qt::KeyboardModifiers mods = event->modifiers();
    if (shiftChanged) {
        mods &= ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        mods |= KeyCodes::modifiers(Shift);
    }
    mods.setFlag(Qt::KeypadModifier, keypad);
    QKeyEvent rebuilt(event->type(), key, mods, text, event->isAutoRepeat(), ushort(event->count()));
    forwardingKey_ = true;
    QCoreApplication::sendEvent(picView_, &rebuilt);
    forwardingKey_ = false;
    return true;
}
