#include "platform/BusyPointer.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace Platform {

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

void letPendingEventsRun() { QCoreApplication::processEvents(); }

PaintFreeze::PaintFreeze(QWidget* widget)
    : widget_(widget), wasEnabled_(widget && widget->updatesEnabled())
{
    if (widget_) widget_->setUpdatesEnabled(false);
}

PaintFreeze::~PaintFreeze()
{
    if (widget_ && wasEnabled_) widget_->setUpdatesEnabled(true);
}

}  // namespace Platform
