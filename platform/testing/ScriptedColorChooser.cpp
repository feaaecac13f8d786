#include "platform/testing/ScriptedColorChooser.h"

namespace Platform {

ScriptedColorChooser::ScriptedColorChooser()
{
    previous_ = ColorChooser::setResponder([this](const ColorChooserRequest& request, CustomColorTable& custom) {
        calls_.append({request, custom});
        if (answers_.empty()) return ColorChooserResult{};
        const Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.customSlot >= 0 && answer.customSlot < int(custom.size()))
            custom[answer.customSlot] = answer.customValue;
        return answer.result;
    });
}

ScriptedColorChooser::~ScriptedColorChooser() { ColorChooser::setResponder(std::move(previous_)); }

void ScriptedColorChooser::queueColor(qint32 colorValue, int customSlot, qint32 customValue)
{
    Answer answer;
    answer.result.result = 1;
    answer.result.color = colorValue;
    answer.customSlot = customSlot;
    answer.customValue = customValue;
    answers_.push_back(answer);
}

void ScriptedColorChooser::queueCancel() { answers_.push_back(Answer{}); }

void ScriptedColorChooser::queueFailure(qint32 rawResult, qint32 extendedError)
{
    Answer answer;
    answer.result.result = rawResult;
    answer.result.extendedError = extendedError;
    answers_.push_back(answer);
}

}  // namespace Platform
