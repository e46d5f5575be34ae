// Bombs: laying, the fuse, setting off the newest, and the flames of an explosion.
#include "game/form1.h"
#include "sound/catalogue.h"
#include "sound/placement.h"

namespace gus {

namespace {

inline constexpr int kAlcanceLlama = 3;

}  // namespace

void Form1::ColocaBomba() {
    int slot = 0;
    while (slot < kBombasVivasMax && esVerdadero(Bombas[static_cast<std::size_t>(slot)].Activa)) {
        ++slot;
    }
    if (slot == kBombasVivasMax) {
        s_.beeper.beep();
        return;
    }
    if (slot + 1 > c().TMRBomba.count()) {
        c().TMRBomba.createUpTo(slot);
        c().WMPBomba.createUpTo(slot);
    }
    for (int k = kRanurasBomba - 2; k >= 0; --k) {
        PilaBombas[static_cast<std::size_t>(k + 1)] = PilaBombas[static_cast<std::size_t>(k)];
    }
    PilaBombas[0] = static_cast<Entero>(slot);
    RegistroBomba& b = Bombas[static_cast<std::size_t>(slot)];
    b.X = Jugador.X;
    b.Y = Jugador.Y;
    b.Mecha = 4;
    b.Activa = VERDADERO;
    c().TMRBomba[slot].setEnabled(true);
}

void Form1::TMRBomba_Timer(Entero Index) {
    AvanzaBomba(Index, false);
}

void Form1::AvanzaBomba(Entero Indice, bool Inmediata) {
    if (Indice < 0 || Indice >= kRanurasBomba) return;
    RegistroBomba& b = Bombas[static_cast<std::size_t>(Indice)];
    c().WMPBomba.createUpTo(Indice);
    c().TMRBomba.createUpTo(Indice);
    Channel& canal = c().WMPBomba[Indice];
    b.Mecha = static_cast<Entero>(b.Mecha - 1);
    canal.stop();
    const bool explota = Inmediata || b.Mecha < 1;
    if (explota) {
        canal.setFileName(ruta(Sonido::Explosion));
        b.Activa = FALSO;
        c().TMRBomba[Indice].setEnabled(false);
    } else {
        canal.setFileName(ruta(Sonido::Mecha));
    }
    // The player's side and distance are taken anew at every tick, so the ticks follow him.
    Placement p = placementFor(b.X, b.Y, Jugador.X, Jugador.Y, kFallOffStep);
    if (explota) p.volume = 0;
    place(canal, p);
    canal.play();
    if (explota) ExplotaBomba(b.X, b.Y, Indice);
}

void Form1::ExplotaBomba(Entero X, Entero Y, Entero Indice) {
    for (int k = 0; k < kRanurasBomba; ++k) {
        if (PilaBombas[static_cast<std::size_t>(k)] != Indice) continue;
        for (int j = k; j < kRanurasBomba - 1; ++j) {
            PilaBombas[static_cast<std::size_t>(j)] = PilaBombas[static_cast<std::size_t>(j + 1)];
        }
        PilaBombas[kRanurasBomba - 1] = -1;
        break;
    }
    int muertes = 0;
    // A bomb whose position was cleared at the player's death explodes without flames.
    if (X == -1) return;
    // Only the cell next to the bomb is tested for a wall: every street runs straight from
    // edge to edge, so a flame that passes it meets no wall before the edge.
    bool abierta[4] = {Y != kPrimera && Tablero(X, Y - 1) != CeldaPared,
                       X != kUltima && Tablero(X + 1, Y) != CeldaPared,
                       Y != kUltima && Tablero(X, Y + 1) != CeldaPared,
                       X != kPrimera && Tablero(X - 1, Y) != CeldaPared};
    if (!abierta[0] && !abierta[1] && !abierta[2] && !abierta[3]) return;
    const int dx[4] = {0, 1, 0, -1};
    const int dy[4] = {-1, 0, 1, 0};
    for (int r = 0; r <= kAlcanceLlama; ++r) {
        for (int d = 0; d < 4; ++d) {
            if (!abierta[d]) continue;
            const int tx = X + dx[d] * r;
            const int ty = Y + dy[d] * r;
            if (!enZonaDeJuego(tx, ty)) {
                abierta[d] = false;
                continue;
            }
            bool termina = false;
            trataCeldaDeLlama(tx, ty, muertes, termina);
            if (termina) return;
        }
    }
    RegistroBomba& b = Bombas[static_cast<std::size_t>(Indice)];
    b.X = -1;
    b.Y = -1;
    b.Activa = FALSO;
    if (muertes == 1) {
        escribeEstado("Monstruo eliminado ");
    } else if (muertes >= 2) {
        escribeEstado(std::to_string(muertes) + " monstruos eliminados!");
    }
}

// One cell reached by a flame: the player, then the worms, then other live bombs.
void Form1::trataCeldaDeLlama(int tx, int ty, int& muertes, bool& termina) {
    if (tx == Jugador.X && ty == Jugador.Y) {
        anadeEstado("¡Has muerto! ");
        c().TMRMuerto.setEnabled(true);
        c().WMPAux.setBalance(0);
        c().WMPAux.setVolume(-60);
        c().WMPAux.setFileName(ruta(Sonido::Llama));
        c().WMPAux.play();
    }
    for (int m = 0; m < kRanurasMonstruo; ++m) {
        RegistroMonstruo& monstruo = Monstruos[static_cast<std::size_t>(m)];
        if (monstruo.X != tx || monstruo.Y != ty) continue;
        anadeEstado(" Monstruo eliminado");
        SuenaMuerteMonstruo(static_cast<Entero>(m));
        ++muertes;
        Tablero(tx, ty) = CeldaLibre;
        if (m < c().TMRMonstruo.count()) c().TMRMonstruo[m].setEnabled(false);
        monstruo.X = -1;
        monstruo.Y = -1;
        monstruo.Activo = FALSO;
        MonstruosEnTablero = static_cast<Entero>(MonstruosEnTablero - 1);
        if (esVerdadero(JuegoTerminado)) {
            termina = true;
            return;
        }
        if (MonstruosEnTablero < 1 && MonstruosPorEntrar < 1) {
            SuperaFase();
            termina = true;
            return;
        }
    }
    for (int b = 0; b < kRanurasBomba; ++b) {
        const RegistroBomba& bomba = Bombas[static_cast<std::size_t>(b)];
        if (bomba.X != tx || bomba.Y != ty || !esVerdadero(bomba.Activa)) continue;
        anadeEstado(" Cadena de bombas!");
        AvanzaBomba(static_cast<Entero>(b), true);
        // A chained bomb may have ended the game and closed the window: nothing more of this
        // explosion may touch it.
        if (esVerdadero(JuegoTerminado)) {
            termina = true;
            return;
        }
    }
}

}  // namespace gus
