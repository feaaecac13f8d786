#include "platform/testing/ScriptedListChoosers.h"

namespace Platform {

ScriptedListChoosers::ScriptedListChoosers()
{
    previous_ = ListChooser::setResponder([this](const ListChoiceRequest& request) {
        shown_.append(request);
        if (answers_.empty()) return -1;
        const auto [typed, position] = answers_.front();
        answers_.pop_front();
        const QList<int> matches = ListChooser::Matching(request.items, typed);
        return position >= 0 && position < matches.size() ? matches[position] : -1;
    });
}

ScriptedListChoosers::~ScriptedListChoosers()
{
    ListChooser::setResponder(std::move(previous_));
}

}  // namespace Platform
