// Board, tables, counters, bombs and the closed window, checked against each other.
#include "tests/support/invariantes.h"

#include <algorithm>
#include <set>

namespace gus::testing {
namespace {

// Everything that must hold between two events; empty when all is well.
std::vector<std::string> violaciones(const SimSession& s) {
    std::vector<std::string> out;
    const Form1& f = s.form;
    const auto falla = [&](bool mal, const std::string& que) {
        if (mal) out.push_back(que);
    };
    if (!f.cargada()) {  // nothing of a closed window may still be waiting to fire
        falla(s.p.scheduler.nextDue().has_value(), "a timer of the closed window is still armed");
        return out;
    }
    int activos = 0, marcadas = 0, salidas = 0;
    std::set<std::pair<int, int>> ocupadas;  // a worm may enter on the player, onto another
    for (int i = 0; i < kRanurasMonstruo; ++i) {
        const RegistroMonstruo& m = f.Monstruos[static_cast<std::size_t>(i)];
        if (!esVerdadero(m.Activo)) continue;
        ++activos;
        ocupadas.insert({m.X, m.Y});
        falla(i == 15, "slot 15 holds a worm");
        falla(!enZonaDeJuego(m.X, m.Y) || f.Tablero(m.X, m.Y) != CeldaMonstruo,
              "worm " + std::to_string(i) + " is not on a cell marked 2");
    }
    for (int x = kBordeMin; x <= kBordeMax; ++x)
        for (int y = kBordeMin; y <= kBordeMax; ++y)
            marcadas += f.Tablero(x, y) == CeldaMonstruo, salidas += f.Tablero(x, y) == CeldaSalida;
    falla(activos != f.MonstruosEnTablero, "MonstruosEnTablero != active slots");
    falla(marcadas != static_cast<int>(ocupadas.size()), "a cell marked 2 without a worm");
    falla(f.MonstruosEnTablero > f.MaxMonstruos, "more worms than MaxMonstruos");
    // The bomb stack lists each live bomb once, packed at its head; slot 5 is never used.
    const auto& pila = f.PilaBombas;
    falla(esVerdadero(f.Bombas[5].Activa) || pila[5] != -1, "bomb slot 5 in use");
    const auto fin = std::find(pila.begin(), pila.end(), Entero{-1});
    falla(std::count(fin, pila.end(), Entero{-1}) != pila.end() - fin, "PilaBombas not packed");
    for (Entero b = 0; b < kRanurasBomba; ++b)
        falla(std::count(pila.begin(), pila.end(), b) != esVerdadero(f.Bombas[b].Activa),
              "bomb " + std::to_string(b) + " listed wrongly");
    falla(salidas > 1, "more than one exit");
    falla((salidas == 1) != f.controlesSiHay()->TMRSalida.enabled(), "exit and beacon disagree");
    falla(!enZonaDeJuego(f.Jugador.X, f.Jugador.Y) ||
              f.Tablero(f.Jugador.X, f.Jugador.Y) == CeldaPared,
          "player off the streets");
    falla(f.Vidas < 1 || f.Vidas > 5, "Vidas out of 1..5 in a running game");
    falla(f.Fase < 1 || f.Fase > 25, "Fase out of 1..25");
    // Nothing grows beyond its bounds from game to game in one window.
    const ControlesForm1* k = f.controlesSiHay();
    falla(k->TMRMonstruo.count() > 15 || k->WMPMonstruo.count() > 15 || k->TMRBomba.count() > 5 ||
              k->WMPBomba.count() > 5 || s.p.scheduler.liveTimerCount() > 3 + 15 + 5 ||
              s.p.audio.voiceCount() > 8 + 15 + 5,
          "arrays, timers or voices grew");
    return out;
}

}  // namespace

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
        if (s_.p.scheduler.now() != ahora || s_.p.log.events().size() != antes)
            fallos_.push_back("a timer fired while a message box was open");
    });
}

void Vigilante::comprueba() {
    ++eventos_;
    for (std::string& v : violaciones(s_))
        if (fallos_.size() < 20)
            fallos_.push_back("t=" + std::to_string(s_.p.scheduler.now()) + ": " + v);
}

Tormenta tormentaDePartidas(SimSession& s, Vigilante& v, std::mt19937& azar, int teclas) {
    static constexpr Entero kTeclas[] = {tecla::Arriba,    tecla::Derecha, tecla::Abajo,
                                         tecla::Izquierda, tecla::Espacio, tecla::Mayusculas,
                                         tecla::V,         tecla::A,       tecla::Z,
                                         tecla::BloqMayus, tecla::Escape,  tecla::Enter};
    Tormenta t;
    for (int i = 0; i < teclas; ++i) {
        if (!s.form.cargada()) {
            s.dificultad = static_cast<Entero>(t.partidas % 3);
            if (t.partidas++ % 2 == 1) s.p.rawDialogs.queueAnswer(Answer::Yes);
            s.load();
            s.form.Fase = static_cast<Entero>(1 + azar() % 25);
            s.form.MonstruosPorEntrar = static_cast<Entero>(s.form.Fase - 1);
            s.form.controles().TMRColocaMon.setEnabled(true);
        }
        const Entero vidas = s.form.Vidas;
        s.p.log.clear();  // what this key alone makes
        s.key(kTeclas[azar() % std::size(kTeclas)], azar() % 8 == 0 ? tecla::BitCtrl : Entero{0});
        v.comprueba();
        int sonidos = 0;
        for (const SimEvent& e : s.p.log.events()) sonidos += e.kind == SimEvent::Kind::Sound;
        t.maxSonidos = std::max(t.maxSonidos, sonidos);
        if (azar() % 2 == 0) s.wait(static_cast<Millis>(azar() % 1500));
        t.muertes += s.form.Vidas < vidas;
        t.maxEnTablero = std::max<int>(t.maxEnTablero, s.form.MonstruosEnTablero);
    }
    return t;
}

}  // namespace gus::testing
