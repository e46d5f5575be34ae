// Each worm heard from where it is, relative to the player.
#include "game/form1.h"
#include "sound/catalogue.h"
#include "sound/placement.h"

namespace gus {

void Form1::SuenaMonstruo(Entero Index) {
    const RegistroMonstruo& m = Monstruos.at(static_cast<std::size_t>(Index));
    Channel& canal = c().WMPMonstruo[Index];
    place(canal, placementFor(m.X, m.Y, Jugador.X, Jugador.Y, kFallOffStep));
    tocaEn(canal, Sonido::PasoMonstruo);
}

void Form1::SuenaMuerteMonstruo(Entero Index) {
    const RegistroMonstruo& m = Monstruos.at(static_cast<std::size_t>(Index));
    Channel& canal = c().WMPMonstruo[Index];
    place(canal, placementFor(m.X, m.Y, Jugador.X, Jugador.Y, kFallOffDeath));
    tocaEn(canal, Sonido::MuereMonstruo);
    s_.beeper.beep();
}

void Form1::ActualizaSonidosMonstruos() {
    // Free slots are placed too, from (-1, -1): silent, and placed again before they sound.
    // A free slot whose worm is still dying keeps its place: a worm killed by Shift would
    // otherwise be thrown to the far corner by this same key and never be heard.
    for (int i = 0; i < c().WMPMonstruo.count(); ++i) {
        const RegistroMonstruo& m = Monstruos.at(static_cast<std::size_t>(i));
        Channel& canal = c().WMPMonstruo[i];
        if (!esVerdadero(m.Activo) && canal.playing()) continue;
        place(canal, placementFor(m.X, m.Y, Jugador.X, Jugador.Y, kFallOffStep));
    }
}

}  // namespace gus
