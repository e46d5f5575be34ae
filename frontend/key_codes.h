// Qt keys to the virtual key codes and modifier bits the game understands.
#pragma once

#include <QKeyEvent>

#include "game/tipos.h"

namespace gus {

// The virtual key code of every key: letters, digits, keypad, function, editing and modifier
// keys, punctuation as on a US keyboard. A key with no such code (a media key, a dead accent)
// gives 0, which the game takes as a key with no meaning of its own.
Entero virtualKeyCode(int qtKey, bool keypad = false);
Entero keyCodeOf(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
Entero modifierBits(Qt::KeyboardModifiers modifiers);

}  // namespace gus
