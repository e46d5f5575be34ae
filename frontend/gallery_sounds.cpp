// The gallery's table of sounds.
#include "frontend/gallery_sounds.h"

#include "sound/catalogue.h"
#include "sound/placement.h"

namespace gus {

namespace {

// A wall entry sounds the step as the game places it on that side of the player.
constexpr GallerySound wall(const char* caption, int side) {
    return {caption, Sonido::PasoA, kWallPlacements[side].balance, kWallPlacements[side].volume};
}

}  // namespace

const std::array<GallerySound, kGalleryEntries>& gallerySounds() {
    static const std::array<GallerySound, kGalleryEntries> sounds = {{
        {"Pulsa enter para volver al menú", nullptr, 0, 0},
        wall("pared arriba", 0),
        wall("Pared derecha", 1),
        wall("Pared abajo", 2),
        wall("Pared izquierda", 3),
        {"Gusano entrando al almacén", Sonido::EntraMonstruo, 0, 0},
        {"Gusano moviéndose", Sonido::MonstruoMoviendose, 0, 0},
        {"Gusano matándote", Sonido::MonstruoTeMata, 0, 0},
        {"Gusano muriendo", Sonido::MuereMonstruo, 0, 0},
        {"Temporizador de una bomba", Sonido::Mecha, 0, 0},
        {"Bomba explotando", Sonido::Explosion, 0, 0},
        {"Te alcanza la llama de una bomba", Sonido::Llama, 0, 0},
        {"Indicador de la salida", Sonido::Salida, 0, 0},
        {"Cerrar puerta", Sonido::Puerta, 0, 0},
    }};
    return sounds;
}

}  // namespace gus
