// The gallery's table of sounds.
#include "frontend/gallery_sounds.h"

namespace gus {

const std::array<GallerySound, kGalleryEntries>& gallerySounds() {
    static const std::array<GallerySound, kGalleryEntries> sounds = {{
        {"Pulsa enter para volver al menú", nullptr, 0, 0},
        {"pared arriba", "snd01.wav", 0, -600},
        {"Pared derecha", "snd01.wav", 3000, -600},
        {"Pared abajo", "snd01.wav", 200, -300},
        {"Pared izquierda", "snd01.wav", -3000, -600},
        {"Gusano entrando al almacén", "snd03.wav", 0, 0},
        {"Gusano moviéndose", "snd04.wav", 0, 0},
        {"Gusano matándote", "snd05.wav", 0, 0},
        {"Gusano muriendo", "snd06.wav", 0, 0},
        {"Temporizador de una bomba", "snd07.wav", 0, 0},
        {"Bomba explotando", "snd08.wav", 0, 0},
        {"Te alcanza la llama de una bomba", "snd09.wav", 0, 0},
        {"Indicador de la salida", "snd10.wav", 0, 0},
        {"Cerrar puerta", "snd11.wav", 0, 0},
    }};
    return sounds;
}

}  // namespace gus
