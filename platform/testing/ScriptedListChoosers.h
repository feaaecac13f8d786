#pragma once

#include "platform/ListChooser.h"

#include <QList>
#include <deque>
#include <utility>

namespace Platform {

// Scripted stand-in for the list chooser: while it lives, every chooser is
// recorded instead of shown and answered from a queue of (text typed,
// position among the items that match it) pairs, as a user would type and
// then pick. A position with no match, or an empty queue, is Cancel.
class ScriptedListChoosers {
public:
    ScriptedListChoosers();
    ~ScriptedListChoosers();
    ScriptedListChoosers(const ScriptedListChoosers&) = delete;
    ScriptedListChoosers& operator=(const ScriptedListChoosers&) = delete;

    void queueAnswer(const QString& typed, int matchPosition) { answers_.emplace_back(typed, matchPosition); }
    const QList<ListChoiceRequest>& shown() const { return shown_; }
    int count() const { return int(shown_.size()); }

private:
    std::deque<std::pair<QString, int>> answers_;
    QList<ListChoiceRequest> shown_;
    ListChooser::Responder previous_;
};

}  // namespace Platform
