#include "platform/testing/ScriptedMessageBoxes.h"

namespace Platform {

ScriptedMessageBoxes::ScriptedMessageBoxes(MsgAnswer defaultAnswer)
    : defaultAnswer_(defaultAnswer)
{
    previous_ = MessageBox::setResponder([this](const MessageRequest& request) {
        shown_.append(request);
        if (answers_.empty()) return defaultAnswer_;
        MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    MessageBox::setResponder(std::move(previous_));
}

}  // namespace Platform
