#include "view/SignedScrollBar.h"

#include "view/ScrollBarColorRequest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionSlider>

SignedScrollBar::SignedScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent)
{
    // Fixed design values: 5 pixels per arrow click, 20 per page click.
    setSingleStep(5);
    setPageStep(20);
    syncToQt();
    connect(this, &QScrollBar::valueChanged, this, [this](int q) {
        if (syncing_) return;
        const int v = fromQt(q);
        if (v == value_) return;
        value_ = v;
        emit Change(value_);
    });
    connect(this, &QScrollBar::sliderMoved, this, [this](int q) { emit Scrolling(fromQt(q)); });
}

void SignedScrollBar::syncToQt()
{
    syncing_ = true;
    setRange(lowest(), highest());
    QScrollBar::setValue(toQt(value_));
    syncing_ = false;
}

// After a range change the value is pulled into the new range, as a classic
// bar does, and the move is reported like any other.
void SignedScrollBar::adoptRange()
{
    const int clamped = std::clamp(value_, lowest(), highest());
    const bool moved = clamped != value_;
    value_ = clamped;
    syncToQt();
    if (moved) emit Change(value_);
}

void SignedScrollBar::SetMin(int min)
{
    min_ = min;
    adoptRange();
}

void SignedScrollBar::SetMax(int max)
{
    max_ = max;
    adoptRange();
}

bool SignedScrollBar::SetValue(int value)
{
    if (value < lowest() || value > highest()) return false;
    if (value == value_) return true;
    value_ = value;
    syncToQt();
    emit Change(value_);
    return true;
}

void SignedScrollBar::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (orientation() == Qt::Horizontal && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        // The Qt value grows to the right, or to the left in a right-to-left layout.
        const bool towardsRight = key == Qt::Key_Right;
        triggerAction(towardsRight != isRightToLeft() ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

// The bar's trough takes the parent's answer, or, without one, the style's
// own background: the application's palette for scroll bars, not the
// palette the bar inherits from its parent.
void SignedScrollBar::initStyleOption(QStyleOptionSlider* option) const
{
    QScrollBar::initStyleOption(option);
    QWidget* parent = parentWidget();
    if (!parent) return;
    ScrollBarColorRequest request;
    QCoreApplication::sendEvent(parent, &request);
    const QPalette own = QApplication::palette(this);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
        if (request.answer().style() != Qt::NoBrush) {
            option->palette.setBrush(role, request.answer());
            continue;
        }
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            option->palette.setBrush(group, role, own.brush(group, role));
    }
}
