// Difficulty to end-of-game recording.
#include "frontend/ending_sounds.h"

namespace gus {

const char* endingSound(Entero dificultad) {
    switch (dificultad) {
        case 0:
            return "snd13.wav";
        case 1:
            return "snd14.wav";
        case 2:
            return "snd15.wav";
        default:
            return nullptr;
    }
}

}  // namespace gus
