// Board, tables, counters, bombs and the closed window, checked against each other.
#include "tests/support/invariantes.h"

#include <algorithm>

namespace gus::testing {

namespace {

void compruebaMonstruos(const Form1& f, std::vector<std::string>& out) {
    int activos = 0;
    for (int i = 0; i < kRanurasMonstruo; ++i) {
        const RegistroMonstruo& m = f.Monstruos[static_cast<std::size_t>(i)];
        if (!esVerdadero(m.Activo)) continue;
        ++activos;
        if (i == 15) out.push_back("slot 15 holds a worm");
        if (!enZonaDeJuego(m.X, m.Y) || f.Tablero(m.X, m.Y) != CeldaMonstruo) {
            out.push_back("worm " + std::to_string(i) + " is not on a cell marked 2");
        }
    }
    if (activos != f.MonstruosEnTablero) out.push_back("MonstruosEnTablero != active slots");
    if (f.MonstruosEnTablero > f.MaxMonstruos) out.push_back("more worms than MaxMonstruos");
    for (int x = kBordeMin; x <= kBordeMax; ++x) {
        for (int y = kBordeMin; y <= kBordeMax; ++y) {
            if (f.Tablero(x, y) != CeldaMonstruo) continue;
            const bool ocupada = std::any_of(f.Monstruos.begin(), f.Monstruos.end(), [&](auto& m) {
                return esVerdadero(m.Activo) && m.X == x && m.Y == y;
            });
            if (!ocupada) out.push_back("cell marked 2 without a worm");
        }
    }
}

void compruebaBombas(const Form1& f, std::vector<std::string>& out) {
    if (esVerdadero(f.Bombas[5].Activa)) out.push_back("bomb slot 5 in use");
    if (f.PilaBombas[5] != -1) out.push_back("PilaBombas(5) is not -1");
    bool vacio = false;
    for (Entero p : f.PilaBombas) {
        if (p == -1)
            vacio = true;
        else if (vacio)
            out.push_back("PilaBombas not packed");
    }
    for (int b = 0; b < kRanurasBomba; ++b) {
        const auto veces = std::count(f.PilaBombas.begin(), f.PilaBombas.end(), b);
        const bool viva = esVerdadero(f.Bombas[static_cast<std::size_t>(b)].Activa);
        if (viva != (veces == 1) || veces > 1) {
            out.push_back("bomb " + std::to_string(b) + " listed " + std::to_string(veces) +
                          " times in PilaBombas");
        }
    }
}

void compruebaSalidaYJugador(const Form1& f, const ControlesForm1& k,
                             std::vector<std::string>& out) {
    int salidas = 0;
    for (int x = kBordeMin; x <= kBordeMax; ++x) {
        for (int y = kBordeMin; y <= kBordeMax; ++y) salidas += f.Tablero(x, y) == CeldaSalida;
    }
    if (salidas > 1) out.push_back("more than one exit");
    if ((salidas == 1) != k.TMRSalida.enabled()) out.push_back("exit and beacon disagree");
    const RegistroJugador& j = f.Jugador;
    if (!enZonaDeJuego(j.X, j.Y) || f.Tablero(j.X, j.Y) == CeldaPared) {
        out.push_back("player off the streets");
    }
    if (f.Vidas < 1 || f.Vidas > 5) out.push_back("Vidas out of 1..5 in a running game");
    if (f.Fase < 1 || f.Fase > 25) out.push_back("Fase out of 1..25");
}

}  // namespace

std::vector<std::string> violaciones(const SimSession& s) {
    std::vector<std::string> out;
    const Form1& f = s.form;
    if (!f.cargada()) {
        // A closed window: nothing of it may still be waiting to fire.
        if (s.p.scheduler.nextDue()) out.push_back("a timer of the closed window is still armed");
        return out;
    }
    compruebaMonstruos(f, out);
    compruebaBombas(f, out);
    compruebaSalidaYJugador(f, *f.controlesSiHay(), out);
    return out;
}

Vigilante::Vigilante(SimSession& s) : s_(s) {
    // After every whole event; a box opened in the middle of one shows the event half done.
    porEvento_ = s_.p.road.listen(EventRoad::Stage::Views, [this] {
        if (!s_.p.road.inEvent()) comprueba();
    });
    s_.p.rawDialogs.setOnBox([this] {
        // The player reads the box for a while: no game timer may fire meanwhile.
        const std::size_t antes = s_.p.log.events().size();
        const Millis ahora = s_.p.scheduler.now();
        s_.p.scheduler.advanceTo(ahora + 10000);
        if (s_.p.scheduler.now() != ahora || s_.p.log.events().size() != antes) {
            fallos_.push_back("a timer fired while a message box was open");
        }
    });
}

void Vigilante::comprueba() {
    ++eventos_;
    for (std::string& v : violaciones(s_)) {
        if (fallos_.size() < 20)
            fallos_.push_back("t=" + std::to_string(s_.p.scheduler.now()) + ": " + v);
    }
}

}  // namespace gus::testing
