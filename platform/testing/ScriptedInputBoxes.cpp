#include "platform/testing/ScriptedInputBoxes.h"

namespace Platform {

ScriptedInputBoxes::ScriptedInputBoxes()
{
    previous_ = InputBox::setResponder([this](const InputRequest& request) {
        shown_.append(request);
        if (answers_.empty()) return QString();
        QString answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

ScriptedInputBoxes::~ScriptedInputBoxes()
{
    InputBox::setResponder(std::move(previous_));
}

}  // namespace Platform
