#pragma once

#include "platform/PrintPreview.h"

#include <QList>

namespace Platform {

// Scripted stand-in for tests: while it lives, each preview runs its job
// through Qt's preview widget without showing a window and records how many
// sheets it showed.
class ScriptedPrintPreview {
public:
    ScriptedPrintPreview();
    ~ScriptedPrintPreview();
    ScriptedPrintPreview(const ScriptedPrintPreview&) = delete;
    ScriptedPrintPreview& operator=(const ScriptedPrintPreview&) = delete;

    // The sheet count of each preview shown, in order.
    const QList<int>& sheetCounts() const { return sheetCounts_; }

private:
    QList<int> sheetCounts_;
    PrintPreview::Responder previous_;
};

}  // namespace Platform
