#pragma once

#include "render/CanvasExport.h"

#include <Qt>

// The classic key codes and shift states the control's key and mouse events
// carry: key codes are the virtual-key numbers (A = 65, Left = 37, F1 = 112,
// keypad 0 = 96 ...); the shift state is a mask of 1 (Shift), 2 (Ctrl) and
// 4 (Alt); mouse buttons are a mask of 1 (left), 2 (right) and 4 (middle).
namespace KeyCodes {

// The key code of a Qt key (keypad keys have their own codes when the keypad
// modifier is set); 0 for a key without one.
RKV3CANVAS_EXPORT short fromQtKey(int key, Qt::KeyboardModifiers modifiers);

// The Qt key of a key code (0 for a code without one), and whether it is a
// keypad key.
RKV3CANVAS_EXPORT int toQtKey(short keyCode, bool* keypad = nullptr);

RKV3CANVAS_EXPORT short shiftState(Qt::KeyboardModifiers modifiers);
RKV3CANVAS_EXPORT Qt::KeyboardModifiers modifiers(short shiftState);

RKV3CANVAS_EXPORT short buttonCode(Qt::MouseButton button);
RKV3CANVAS_EXPORT short buttonMask(Qt::MouseButtons buttons);

}  // namespace KeyCodes
