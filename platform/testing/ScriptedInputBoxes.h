#pragma once

#include "platform/InputBox.h"

#include <QList>
#include <deque>

namespace Platform {

// Scripted stand-in for the text input box: while it lives, every box is
// recorded instead of shown and answered from a queue of texts (an empty
// text, that is Cancel, once the queue is empty).
class ScriptedInputBoxes {
public:
    ScriptedInputBoxes();
    ~ScriptedInputBoxes();
    ScriptedInputBoxes(const ScriptedInputBoxes&) = delete;
    ScriptedInputBoxes& operator=(const ScriptedInputBoxes&) = delete;

    void queueAnswer(const QString& answer) { answers_.push_back(answer); }
    const QList<InputRequest>& shown() const { return shown_; }
    int count() const { return int(shown_.size()); }

private:
    std::deque<QString> answers_;
    QList<InputRequest> shown_;
    InputBox::Responder previous_;
};

}  // namespace Platform
