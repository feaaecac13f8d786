#pragma once

#include "render/CanvasExport.h"

#include <QPointer>
#include <QWidget>

class QEvent;

// Keeps the viewport's background off its two scroll bars. The viewport
// answers a bar's colour request with its own background; the hook, an event
// filter standing in for a replaced window procedure, answers it first with
// 0 so the bars paint with the style's own background, and lets every other
// event through to the window's own handling unchanged.
//
// One hooked window per thread: installing again replaces the window the
// module remembers. Installing twice on one window is harmless (a filter is
// installed only once).
namespace modScrollFix {

// The window whose handling is replaced (none when null) and, once hooked,
// the window's own handling that every other event goes on to.
RKV3CANVAS_EXPORT extern thread_local QPointer<QWidget> HookedWindow;
RKV3CANVAS_EXPORT extern thread_local QPointer<QWidget> PreviousWindowProc;

// Hooks HookedWindow, if there is one.
RKV3CANVAS_EXPORT void InstallHook();
// Unhooks HookedWindow when a hook was installed; the two fields stay.
RKV3CANVAS_EXPORT void RemoveHook();
// The replacement handling: answers a scroll bar's colour request with 0
// and reports it handled; everything else goes on (false).
RKV3CANVAS_EXPORT bool HookProc(QObject* window, QEvent* message);

}  // namespace modScrollFix
