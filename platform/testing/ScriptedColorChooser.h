#pragma once

#include "platform/ColorChooser.h"

#include <QList>
#include <deque>

namespace Platform {

// Scripted stand-in for the colour chooser: while it lives, every colour
// chooser is recorded (with the custom colours it was shown) and answered
// from a queue (an empty queue answers as a cancelled chooser).
class ScriptedColorChooser {
public:
    ScriptedColorChooser();
    ~ScriptedColorChooser();
    ScriptedColorChooser(const ScriptedColorChooser&) = delete;
    ScriptedColorChooser& operator=(const ScriptedColorChooser&) = delete;

    // The user picks colorValue; when customSlot is 0..15 the user also
    // stores customValue in that custom colour slot.
    void queueColor(qint32 colorValue, int customSlot = -1, qint32 customValue = 0);
    void queueCancel();
    void queueFailure(qint32 rawResult, qint32 extendedError);

    struct Call {
        ColorChooserRequest request;
        CustomColorTable customColors;  // as the chooser was shown them
    };
    const QList<Call>& calls() const { return calls_; }
    int count() const { return int(calls_.size()); }

private:
    struct Answer {
        ColorChooserResult result;
        int customSlot = -1;
        qint32 customValue = 0;
    };
    std::deque<Answer> answers_;
    QList<Call> calls_;
    ColorChooser::Responder previous_;
};

}  // namespace Platform
