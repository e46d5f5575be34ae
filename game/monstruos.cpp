// The worms: letting them in, their steps and turns, and a worm stepping onto the player.
#include <cmath>

#include "game/form1.h"
#include "sound/catalogue.h"

namespace gus {

namespace {

// Int(r x n) + base, as every random choice of the game is made.
int eleccion(double r, int n, int base) {
    return static_cast<int>(std::floor(r * n)) + base;
}

// The digit a worm will not choose again while it has another choice. For a north or south
// heading it is the way back; for east and west it is the heading itself.
char digitoExcluido(Entero direccion) {
    switch (direccion) {
        case 1:
            return '3';
        case 2:
            return '2';
        case 3:
            return '1';
        default:
            return '4';
    }
}

}  // namespace

void Form1::TMRColocaMon_Timer() {
    if (MonstruosPorEntrar > 0 && MonstruosEnTablero < MaxMonstruos) {
        ColocaMonstruo();
        MonstruosPorEntrar = static_cast<Entero>(MonstruosPorEntrar - 1);
    }
    if (MonstruosPorEntrar == 0) c().TMRColocaMon.setEnabled(false);
}

void Form1::ColocaMonstruo() {
    int i = 0;
    while (i < kRanurasMonstruo && esVerdadero(Monstruos[static_cast<std::size_t>(i)].Activo)) ++i;
    if (i == kRanurasMonstruo) return;  // cannot happen: at most 15 worms are ever let in
    int x = 0;
    int y = 0;
    // At most 14 worms stand on the 16 cells of the central ring when one enters, so the draw
    // ends; the bound only guards against a board set up by hand with the ring full.
    for (int intento = 0; intento < 100000; ++intento) {
        x = eleccion(azar(), 5, 4);
        y = eleccion(azar(), 5, 4);
        if (Tablero(x, y) == CeldaLibre || (x == Jugador.X && y == Jugador.Y)) break;
    }
    colocaMonstruoEn(i, x, y, static_cast<Entero>(eleccion(azar(), 4, 1)));
    tocaEn(*c().Wmp1[5], Sonido::EntraMonstruo);
}

void Form1::colocaMonstruoEn(int Index, int X, int Y, Entero Direccion) {
    RegistroMonstruo& m = Monstruos.at(static_cast<std::size_t>(Index));
    if (!esVerdadero(m.Activo)) {
        MonstruosEnTablero = static_cast<Entero>(MonstruosEnTablero + 1);
    } else if (enTablero(m.X, m.Y) && Tablero(m.X, m.Y) == CeldaMonstruo) {
        Tablero(m.X, m.Y) = CeldaLibre;
    }
    m.X = static_cast<Entero>(X);
    m.Y = static_cast<Entero>(Y);
    m.Direccion = Direccion;
    m.Activo = VERDADERO;
    Tablero(X, Y) = CeldaMonstruo;
    if (!cargada()) return;  // a board set up before the window loads: no controls yet
    // A slot's timer and channel are created on its first use, lowest slot first.
    c().TMRMonstruo.createUpTo(Index);
    c().WMPMonstruo.createUpTo(Index);
    c().TMRMonstruo[Index].setInterval(3000 - (Fase - 1) * AceleracionFase);
    // Switching it off first starts a new interval for a worm moved by hand, as if just entered.
    c().TMRMonstruo[Index].setEnabled(false);
    c().TMRMonstruo[Index].setEnabled(true);
    c().WMPMonstruo[Index].setFileName(ruta(Sonido::PasoMonstruo));
}

std::string Form1::BuscaDirecciones(Entero X, Entero Y) const {
    if (X == -1 && Y == -1) return "";
    std::string s;
    const auto abierta = [this](int x, int y) {
        return enZonaDeJuego(x, y) && Tablero(x, y) > CeldaPared;
    };
    if (abierta(X, Y - 1)) s += '1';
    if (abierta(X + 1, Y)) s += '2';
    if (abierta(X, Y + 1)) s += '3';
    if (abierta(X - 1, Y)) s += '4';
    return s;
}

void Form1::TMRMonstruo_Timer(Entero Index) {
    MueveMonstruo(Index);
}

void Form1::MueveMonstruo(Entero Index) {
    RegistroMonstruo& m = Monstruos.at(static_cast<std::size_t>(Index));
    if (m.X == -1 && m.Y == -1) return;
    int x = m.X;
    int y = m.Y;
    switch (m.Direccion) {
        case 1:
            --y;
            break;
        case 2:
            ++x;
            break;
        case 3:
            ++y;
            break;
        case 4:
            --x;
            break;
        default:
            break;
    }
    bool gira = false;
    if (!esVerdadero(GiroReciente)) {
        const std::string s = BuscaDirecciones(m.X, m.Y);
        if (s.empty()) return;
        // At a crossing a worm turns with chance 0.4; one turn at a time for all worms.
        if (s.size() >= 3 && azar() < 0.4) {
            GiroReciente = VERDADERO;
            gira = true;
        }
    }
    if (!gira && enZonaDeJuego(x, y) && Tablero(x, y) == CeldaLibre) {
        Tablero(m.X, m.Y) = CeldaLibre;
        m.X = static_cast<Entero>(x);
        m.Y = static_cast<Entero>(y);
        for (int b = 0; b < kRanurasBomba; ++b) {
            const RegistroBomba& bomba = Bombas[static_cast<std::size_t>(b)];
            if (bomba.X == x && bomba.Y == y && esVerdadero(bomba.Activa)) {
                AvanzaBomba(static_cast<Entero>(b), true);
                return;
            }
        }
        Tablero(x, y) = CeldaMonstruo;
        GiroReciente = FALSO;
        SuenaMonstruo(Index);
        if (x == Jugador.X && y == Jugador.Y) muerePorPasoDeMonstruo();
        return;
    }
    std::string s = BuscaDirecciones(m.X, m.Y);
    const std::size_t excluido = s.find(digitoExcluido(m.Direccion));
    if (excluido != std::string::npos && s.size() > 1) s.erase(excluido, 1);
    const int k = eleccion(azar(), static_cast<int>(s.size()), 1);
    m.Direccion =
        s.empty() ? Entero{0} : static_cast<Entero>(s[static_cast<std::size_t>(k - 1)] - '0');
}

void Form1::muerePorPasoDeMonstruo() {
    escribeEstado("¡Has muerto!");
    tocaEn(*c().Wmp1[4], Sonido::MonstruoTeMata);
    c().TMRMuerto.setEnabled(true);
}

}  // namespace gus
