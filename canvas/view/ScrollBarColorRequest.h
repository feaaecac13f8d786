#pragma once

#include "render/CanvasExport.h"

#include <QBrush>
#include <QEvent>

// The question a scroll bar asks its parent each time it is drawn: with
// which brush should the bar's background (its trough) be painted? A parent
// that answers gives its brush; no answer (a NoBrush brush, "0") means the
// bar paints with the style's own background.
class RKV3CANVAS_EXPORT ScrollBarColorRequest : public QEvent {
public:
    ScrollBarColorRequest() : QEvent(type()) {}

    static QEvent::Type type();

    void setAnswer(const QBrush& brush) { answer_ = brush; }
    const QBrush& answer() const { return answer_; }

private:
    QBrush answer_;
};
