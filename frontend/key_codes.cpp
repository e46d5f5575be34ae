// The virtual key codes, from Qt's key numbers.
#include "frontend/key_codes.h"

#include <utility>

namespace gus {

namespace {

constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},         {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},         {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},        {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},      {Qt::Key_End, 35},          {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},          {Qt::Key_Up, 38},           {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},          {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},        {Qt::Key_Meta, 91},         {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},       {Qt::Key_Menu, 93},         {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},   {Qt::Key_Semicolon, 186},   {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},         {Qt::Key_Comma, 188},       {Qt::Key_Minus, 189},
    {Qt::Key_Period, 190},       {Qt::Key_Slash, 191},       {Qt::Key_QuoteLeft, 192},
    {Qt::Key_Ntilde, 192},       {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},
};

// The keypad's own codes, when the key comes from the keypad.
int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

}  // namespace

Entero virtualKeyCode(int qtKey, bool keypad) {
    if (keypad) {
        if (const int code = keypadCode(qtKey)) return static_cast<Entero>(code);
    }
    // Letters and digits carry their own codes in both numberings.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<Entero>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<Entero>(112 + (qtKey - Qt::Key_F1));
    }
    for (const auto& [key, code] : kNamedKeys) {
        if (key == qtKey) return static_cast<Entero>(code);
    }
    return 0;
}

Entero keyCodeOf(const QKeyEvent& event) {
    return virtualKeyCode(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

Entero modifierBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= tecla::BitShift;
    if (modifiers & Qt::ControlModifier) bits |= tecla::BitCtrl;
    if (modifiers & Qt::AltModifier) bits |= tecla::BitAlt;
    return static_cast<Entero>(bits);
}

}  // namespace gus
