// A scripted player that plays whole games on the simulated platform, at a human pace.
#pragma once

#include <functional>

#include "tools/sim/session.h"

namespace gus::testing {

struct ResultadoPartida {
    bool ganada = false;
    bool terminada = false;  // the window closed (won, or "No" after the last life)
};

class JugadorAutomatico {
  public:
    // Prudente hunts worms with bombs and keeps out of every flame; Imprudente lays a bomb and
    // stays on it.
    enum class Estilo { Prudente, Imprudente };
    JugadorAutomatico(SimSession& s, Estilo estilo, int msPorTecla = 150)
        : s_(s), estilo_(estilo), msPorTecla_(msPorTecla) {}

    // Plays the loaded game until its window closes or `limite` of virtual time has passed.
    ResultadoPartida juega(Millis limite);
    // Runs after every key the player presses (the invariants are checked there).
    void setDespuesDeTecla(std::function<void()> fn) { despues_ = std::move(fn); }

  private:
    SimSession& s_;
    Estilo estilo_;
    int msPorTecla_;
    std::function<void()> despues_;
};

}  // namespace gus::testing
