// A scripted player that plays whole games on the simulated platform, at a human pace.
#pragma once

#include <functional>
#include <vector>

#include "tools/sim/session.h"

namespace gus::testing {

struct ResultadoPartida {
    bool ganada = false;
    bool terminada = false;  // the window closed (won, or "No" after the last life)
    int fase = 0;
    int teclas = 0;
};

class JugadorAutomatico {
  public:
    enum class Estilo {
        Prudente,    // hunts worms with bombs and keeps out of every flame
        Imprudente,  // lays a bomb and stays on it
    };
    JugadorAutomatico(SimSession& s, Estilo estilo, int msPorTecla = 150)
        : s_(s), estilo_(estilo), msPorTecla_(msPorTecla) {}

    // Plays the loaded game until its window closes or `limite` of virtual time has passed.
    ResultadoPartida juega(Millis limite);
    // Runs after every key the player presses (the invariants are checked there).
    void setDespuesDeTecla(std::function<void()> fn) { despues_ = std::move(fn); }

  private:
    struct Celda {
        int x, y;
        bool operator==(const Celda&) const = default;
    };
    using Celdas = std::vector<Celda>;
    bool decide();  // presses one key, or returns false when there is nothing to do
    void pulsa(Entero tecla, Entero shift = 0);
    bool pasoHacia(const std::function<bool(Celda)>& meta, bool evitaPeligro);
    bool huyeA(const Celdas& llamas);
    bool esCalle(Celda c) const;
    bool peligrosa(Celda c) const;  // a worm stands there or may step there next
    bool hayGusanoEn(const Celdas& celdas) const;
    Celdas llamasDesde(Celda bomba) const;
    Celdas llamasVivas() const;
    Celda jugador() const { return {s_.form.Jugador.X, s_.form.Jugador.Y}; }

    SimSession& s_;
    Estilo estilo_;
    int msPorTecla_;
    int teclas_ = 0;
    std::function<void()> despues_;
};

}  // namespace gus::testing
