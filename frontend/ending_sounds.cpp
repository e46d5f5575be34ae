// Difficulty to end-of-game recording.
#include "frontend/ending_sounds.h"

#include "sound/catalogue.h"

namespace gus {

const char* endingSound(Entero dificultad) {
    switch (dificultad) {
        case 0:
            return Sonido::FinalFacil;
        case 1:
            return Sonido::FinalNormal;
        case 2:
            return Sonido::FinalDificil;
        default:
            return nullptr;
    }
}

}  // namespace gus
