// Start-up of a game: Form_Load, and the two small procedures it owns.
#include "game/form1.h"
#include "sound/catalogue.h"
#include "sound/placement.h"
#include "sound/sound_path.h"

namespace gus {

void Form1::Form_Load() {
    const TimeOfDay t = s_.clock.localTime();
    s_.random.seed((t.hour + 1) * (t.minute + 1) * (t.second + 1));
    JuegoTerminado = FALSO;
    paraJuegoAnterior();
    for (RegistroMonstruo& m : Monstruos) {
        m.X = -1;
        m.Y = -1;
        m.Activo = FALSO;
    }
    for (RegistroBomba& b : Bombas) {
        b.X = -1;
        b.Y = -1;
    }
    PilaBombas.fill(-1);
    MonstruosEnTablero = 0;
    MonstruosPorEntrar = 0;
    // Only the first cell of a row or column is tested for a wall by the flames: every street
    // runs straight from edge to edge, so this layout must keep them that way.
    for (int x = kBordeMin; x <= kBordeMax; ++x) {
        for (int y = kBordeMin; y <= kBordeMax; ++y) {
            const bool bloque = x % 4 != 0 && y % 4 != 0;
            Tablero(x, y) = bloque || !enZonaDeJuego(x, y) ? CeldaPared : CeldaLibre;
        }
    }
    Jugador.X = 7;
    Jugador.Y = 12;
    Jugador.Paso = 1;
    RutaSonidos = soundFolder(s_.folder);
    SonidosJugador[0] = ruta(Sonido::PasoA);
    SonidosJugador[1] = ruta(Sonido::PasoB);
    for (int lado = 0; lado < 4; ++lado) place(*c().Wmp1[lado], kWallPlacements[lado]);
    Dificultad = dificultadDelMenu_ ? dificultadDelMenu_() : Entero{1};
    MaxMonstruos = Dificultad == 2 ? 15 : 9;
    AceleracionFase = Dificultad == 0 ? 0 : Dificultad == 1 ? 35 : 50;
    Vidas = 5;
    Fase = 1;
    ColocaMonstruo();
    DibujaMarcas();
}

// A new game in the same window starts clean: nothing of the last game may tick, beacon or
// explode in it, and all five bomb slots are free again.
void Form1::paraJuegoAnterior() {
    ControlesForm1& k = c();
    k.TMRColocaMon.setEnabled(false);
    k.TMRSalida.setEnabled(false);
    k.TMRMuerto.setEnabled(false);
    for (int i = 0; i < k.TMRMonstruo.count(); ++i) k.TMRMonstruo[i].setEnabled(false);
    for (int i = 0; i < k.TMRBomba.count(); ++i) k.TMRBomba[i].setEnabled(false);
    k.WMPSalida.stop();
    for (RegistroBomba& b : Bombas) b.Activa = FALSO;
}

void Form1::DibujaMarcas() {
    host_.drawMarks();
}

void Form1::MuestraFinal() {
    host_.showWindow(WindowId::Dialog2);
}

}  // namespace gus
