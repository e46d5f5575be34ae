// The recording the end-of-game dialog plays for each difficulty.
#pragma once

#include "game/tipos.h"

namespace gus {

// Nothing for a difficulty without its own recording.
const char* endingSound(Entero dificultad);

}  // namespace gus
