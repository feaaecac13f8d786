#include "view/KeyCodes.h"

namespace KeyCodes {

namespace {

struct KeyPair {
    int qt;
    short code;
};

// Keys outside the runs of letters, digits and function keys.
constexpr KeyPair Named[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},        {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},      {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},        {Qt::Key_Home, 36},      {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},         {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},     {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},     {Qt::Key_Help, 47},      {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},       {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// Keypad keys other than the digits.
constexpr KeyPair Keypad[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},   {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110},  {Qt::Key_Slash, 111},
};

}  // namespace

short fromQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return short(96 + (key - Qt::Key_0));
        for (const KeyPair& k : Keypad)
            if (k.qt == key) return k.code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return short(65 + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return short(48 + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return short(112 + (key - Qt::Key_F1));
    for (const KeyPair& k : Named)
        if (k.qt == key) return k.code;
    return 0;
}

int toQtKey(short keyCode, bool* keypad)
{
    if (keypad) *keypad = false;
    if (keyCode >= 65 && keyCode <= 90) return Qt::Key_A + (keyCode - 65);
    if (keyCode >= 48 && keyCode <= 57) return Qt::Key_0 + (keyCode - 48);
    if (keyCode >= 112 && keyCode <= 135) return Qt::Key_F1 + (keyCode - 112);
    if (keyCode >= 96 && keyCode <= 105) {
        if (keypad) *keypad = true;
        return Qt::Key_0 + (keyCode - 96);
    }
    for (const KeyPair& k : Keypad)
        if (k.code == keyCode) {
            if (keypad) *keypad = true;
            return k.qt;
        }
    // The first pair of a code is its plain (unshifted) key.
    for (const KeyPair& k : Named)
        if (k.code == keyCode) return k.qt;
    return 0;
}

short shiftState(Qt::KeyboardModifiers modifiers)
{
    short state = 0;
    if (modifiers & Qt::ShiftModifier) state |= 1;
    if (modifiers & Qt::ControlModifier) state |= 2;
    if (modifiers & Qt::AltModifier) state |= 4;
    return state;
}

Qt::KeyboardModifiers modifiers(short shiftState)
{
    Qt::KeyboardModifiers m;
    if (shiftState & 1) m |= Qt::ShiftModifier;
    if (shiftState & 2) m |= Qt::ControlModifier;
    if (shiftState & 4) m |= Qt::AltModifier;
    return m;
}

short buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

short buttonMask(Qt::MouseButtons buttons)
{
    short mask = 0;
    if (buttons & Qt::LeftButton) mask |= 1;
    if (buttons & Qt::RightButton) mask |= 2;
    if (buttons & Qt::MiddleButton) mask |= 4;
    return mask;
}

}  // namespace KeyCodes
