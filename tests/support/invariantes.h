// The game's invariants, checked after every event of a simulated game.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "tools/sim/session.h"

namespace gus::testing {

// Watches a session: checks the invariants after every event (a key, a tick, a window opening or
// closing), and checks that no game timer fires while one of the game's message boxes is open.
class Vigilante {
  public:
    explicit Vigilante(SimSession& s);
    void comprueba();
    long long eventosComprobados() const { return eventos_; }
    const std::vector<std::string>& fallos() const { return fallos_; }

  private:
    SimSession& s_;
    long long eventos_ = 0;
    std::vector<std::string> fallos_;
    EventRoad::Listener porEvento_;
};

// `teclas` random game keys (an eighth with Ctrl, at random gaps, half of them none), each checked,
// over games loaded one after another in a closed session's window: every difficulty in turn, each
// from a random phase with its worms coming in, a Yes to every other game-over question (a new
// game in the same window). The most sounds one key started, among other counts.
struct Tormenta {
    int partidas = 0, muertes = 0, maxEnTablero = 0, maxSonidos = 0;
};
Tormenta tormentaDePartidas(SimSession& s, Vigilante& v, std::mt19937& azar, int teclas);

}  // namespace gus::testing
