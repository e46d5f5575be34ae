// Captions of the menu.
#include "frontend/menu_captions.h"

#include <array>

namespace gus {

std::string menuCaption(int index) {
    static const std::array<const char*, kMenuButtons> captions = {"&INTRODUCCIÓN",
                                                                   "&JUGAR",
                                                                   "&DIFICULTAD: NORMAL",
                                                                   "I&NSTRUCCIONES",
                                                                   "S&ONIDOS DEL JUEGO",
                                                                   "&acerca de gusanicida",
                                                                   "&SALIR"};
    return captions.at(static_cast<std::size_t>(index));
}

std::optional<std::string> difficultyCaption(Entero dificultad) {
    switch (dificultad) {
        case 0:
            return std::string("&DIFICULTAD: FÁCIL");
        case 1:
            return std::string("&DIFICULTAD: NORMAL");
        case 2:
            return std::string("&DIFICULTAD: DIFÍCIL");
        default:
            return std::nullopt;
    }
}

Entero nextDifficulty(Entero dificultad) {
    const int next = dificultad + 1;
    return next > 2 ? Entero{0} : static_cast<Entero>(next);
}

}  // namespace gus
