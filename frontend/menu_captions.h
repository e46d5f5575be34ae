// The menu's button captions and the difficulty they show.
#pragma once

#include <optional>
#include <string>

#include "game/tipos.h"

namespace gus {

inline constexpr int kMenuButtons = 7;
inline constexpr int kDifficultyButton = 2;

// The caption of button `index` as the menu is loaded ("&" marks the access key).
std::string menuCaption(int index);
// "&DIFICULTAD: " and the difficulty's name; nothing for a value without a name.
std::optional<std::string> difficultyCaption(Entero dificultad);
// One step up, from DIFÍCIL back to FÁCIL.
Entero nextDifficulty(Entero dificultad);

}  // namespace gus
