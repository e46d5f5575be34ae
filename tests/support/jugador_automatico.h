// A scripted player that plays whole games on the simulated platform, at a human pace.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "tools/sim/session.h"

namespace gus::testing {

struct ResultadoPartida {
    bool ganada = false;
    bool terminada = false;  // the window closed (won, or "No" after the last life)
    int fase = 0;
    int teclas = 0;
    Millis duracion = 0;
};

class JugadorAutomatico {
  public:
    enum class Estilo {
        Prudente,    // hunts worms with bombs and keeps out of every flame
        Imprudente,  // lays a bomb and stays on it
    };
    JugadorAutomatico(SimSession& s, Estilo estilo, int msPorTecla = 150);

    // Plays the loaded game until its window closes or `limite` of virtual time has passed.
    ResultadoPartida juega(Millis limite);
    // Runs after every key the player presses (the invariants are checked there).
    void setDespuesDeTecla(std::function<void()> fn) { despues_ = std::move(fn); }

  private:
    struct Celda {
        int x;
        int y;
        bool operator==(const Celda&) const = default;
    };
    // One key, or nothing when there is nothing to do; true when a key was pressed.
    bool decide();
    bool vaALaSalida();
    bool huyeDeLasLlamas();
    bool esquivaGusanos();
    bool cazaGusanos();
    void pulsa(Entero tecla, Entero shift = 0);
    bool pasoHacia(const std::function<bool(Celda)>& meta, bool evitaPeligro);

    bool esCalle(Celda c) const;
    bool peligrosa(Celda c) const;  // a worm stands there or may step there next
    bool hayGusanoEn(const std::vector<Celda>& celdas) const;
    std::vector<Celda> llamasDesde(Celda bomba) const;
    std::vector<Celda> llamasVivas() const;
    static bool contiene(const std::vector<Celda>& v, Celda c);
    Celda jugador() const;

    SimSession& s_;
    Estilo estilo_;
    int msPorTecla_;
    int teclas_ = 0;
    std::function<void()> despues_;
};

}  // namespace gus::testing
