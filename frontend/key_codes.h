// Qt keys to the virtual key codes and modifier bits the game understands.
#pragma once

#include <QtCore/qnamespace.h>

#include <optional>

#include "game/tipos.h"

namespace gus {

// Nothing for a key the game does not use.
std::optional<Entero> virtualKeyCode(int qtKey);
// 1 Shift, 2 Ctrl, 4 Alt.
Entero modifierBits(Qt::KeyboardModifiers modifiers);

}  // namespace gus
