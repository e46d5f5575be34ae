// Worms on the central ring, bombs on the far streets, the exit to the north.
#include "bench/program/phase25_load.h"

#include <iterator>

namespace gus::bench {

namespace {

constexpr int kWorms = 15;
constexpr int kPhase = 25;
constexpr Entero kFullLives = 5;

struct Cell {
    int x;
    int y;
};

// The sixteen street cells of the central ring; worms enter there in the game too.
constexpr Cell kRing[] = {{4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4}, {4, 8}, {5, 8}, {6, 8},
                          {7, 8}, {8, 8}, {4, 5}, {4, 6}, {4, 7}, {8, 5}, {8, 6}, {8, 7}};

// Street cells whose flames (three cells each way) cannot reach the player at (7, 12) nor
// another of these cells, so no bomb sets off the next.
constexpr Cell kBombCells[] = {{0, 0}, {4, 0}, {8, 0}, {12, 0}, {0, 4}, {12, 4}};
constexpr int kBombCellCount = static_cast<int>(std::size(kBombCells));

}  // namespace

void Phase25Load::setUp(Form1& f) {
    f.Fase = kPhase;
    f.MonstruosPorEntrar = 1;
    for (int slot = 0; slot < kWorms; ++slot) {
        putWorm(f, slot, kRing[slot].x, kRing[slot].y);
    }
    openExit(f);
}

void Phase25Load::keepUp(Form1& f) {
    if (f.Vidas < kFullLives) {
        ++livesGivenBack_;
        f.Vidas = kFullLives;
    }
    // A phase with no worm left on the board or waiting would end, and the game after it.
    if (f.MonstruosPorEntrar < 1) f.MonstruosPorEntrar = 1;
    fillWorms(f);
    if (liveBombs(f) < kBombasVivasMax) layBomb(f);
}

void Phase25Load::putWorm(Form1& f, int slot, int x, int y) {
    f.colocaMonstruoEn(slot, x, y, static_cast<Entero>(slot % 4 + 1));
}

void Phase25Load::fillWorms(Form1& f) {
    for (int slot = 0; slot < kWorms; ++slot) {
        if (esVerdadero(f.Monstruos[static_cast<std::size_t>(slot)].Activo)) continue;
        for (const auto [x, y] : kRing) {
            const bool player = x == f.Jugador.X && y == f.Jugador.Y;
            if (f.Tablero(x, y) != CeldaLibre || player) continue;
            putWorm(f, slot, x, y);
            ++wormsPutBack_;
            break;
        }
    }
}

// The game's own ColocaBomba, with the player stepped for a moment onto the bomb's cell.
void Phase25Load::layBomb(Form1& f) {
    const RegistroJugador player = f.Jugador;
    const auto [x, y] = kBombCells[nextBombCell_];
    nextBombCell_ = (nextBombCell_ + 1) % kBombCellCount;
    f.Jugador.X = static_cast<Entero>(x);
    f.Jugador.Y = static_cast<Entero>(y);
    f.ColocaBomba();
    f.Jugador = player;
    ++bombsLaid_;
}

void Phase25Load::openExit(Form1& f) {
    f.abreSalida(0);
}

int Phase25Load::wormsOnBoard(const Form1& f) const {
    int n = 0;
    for (const RegistroMonstruo& m : f.Monstruos) n += esVerdadero(m.Activo) ? 1 : 0;
    return n;
}

int Phase25Load::liveBombs(const Form1& f) const {
    int n = 0;
    for (const RegistroBomba& b : f.Bombas) n += esVerdadero(b.Activa) ? 1 : 0;
    return n;
}

}  // namespace gus::bench
