#include "view/modScrollFix.h"

#include "view/ScrollBarColorRequest.h"

namespace modScrollFix {

thread_local QPointer<QWidget> HookedWindow;
thread_local QPointer<QWidget> PreviousWindowProc;

namespace {

class HookFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return HookProc(watched, event); }
};

QObject* hook()
{
    thread_local HookFilter filter;
    return &filter;
}

}  // namespace

void InstallHook()
{
    if (!HookedWindow) return;
    HookedWindow->installEventFilter(hook());
    PreviousWindowProc = HookedWindow;
}

void RemoveHook()
{
    if (PreviousWindowProc && HookedWindow) HookedWindow->removeEventFilter(hook());
}

bool HookProc(QObject* window, QEvent* message)
{
    if (message->type() != ScrollBarColorRequest::type()) return false;
    static_cast<ScrollBarColorRequest*>(message)->setAnswer(QBrush());
    return true;
}

}  // namespace modScrollFix
