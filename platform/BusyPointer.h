#pragma once

class QWidget;

namespace Platform {

// The application-wide hourglass pointer, held for the life of the object.
// Nested holders stack, so an inner busy section never ends an outer one.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Lets pending window events run once (a long operation yielding to the
// event loop).
void letPendingEventsRun();

// Freezes a window's painting for the life of the object and repaints it
// once when released.
class PaintFreeze {
public:
    explicit PaintFreeze(QWidget* widget);
    ~PaintFreeze();
    PaintFreeze(const PaintFreeze&) = delete;
    PaintFreeze& operator=(const PaintFreeze&) = delete;

private:
    QWidget* widget_;
    bool wasEnabled_;
};

}  // namespace Platform
