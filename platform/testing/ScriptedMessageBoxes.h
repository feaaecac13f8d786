#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <deque>

namespace Platform {

// Scripted stand-in for the message box service: while it lives, every box is
// recorded instead of shown and answered from a queue of answers (or with a
// default answer when the queue is empty).
class ScriptedMessageBoxes {
public:
    explicit ScriptedMessageBoxes(MsgAnswer defaultAnswer = MsgAnswer::Ok);
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void queueAnswer(MsgAnswer answer) { answers_.push_back(answer); }
    const QList<MessageRequest>& shown() const { return shown_; }
    int count() const { return int(shown_.size()); }
    void clear() { shown_.clear(); }

private:
    MsgAnswer defaultAnswer_;
    std::deque<MsgAnswer> answers_;
    QList<MessageRequest> shown_;
    MessageBox::Responder previous_;
};

}  // namespace Platform
