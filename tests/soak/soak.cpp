// Soak: many whole games headless, scripted and hammered with random keys, with the game's
// invariants checked after every event. `soak [games]` (default 200).
#include <cstdio>
#include <cstdlib>
#include <random>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"

namespace gus::testing {
namespace {

constexpr Millis kLimitePartida = 2LL * 60 * 60 * 1000;
constexpr Entero kTeclas[] = {tecla::Arriba,  tecla::Derecha,    tecla::Abajo,  tecla::Izquierda,
                              tecla::Espacio, tecla::Mayusculas, tecla::V,      tecla::A,
                              tecla::Z,       tecla::BloqMayus,  tecla::Escape, tecla::Enter};

struct Totales {
    long long partidas = 0;
    long long ganadas = 0;
    long long eventos = 0;
    long long teclas = 0;
    long long fallos = 0;
};

// Random keys, some with Ctrl, at random gaps (often none at all), until the window closes.
void tormenta(SimSession& s, Vigilante& v, std::mt19937& azar, long long& teclas) {
    std::uniform_int_distribution<int> cual(0, std::size(kTeclas) - 1);
    std::uniform_int_distribution<int> pausa(0, 400);
    for (int i = 0; i < 20000 && s.form.cargada(); ++i) {
        const Entero codigo = kTeclas[cual(azar)];
        s.key(codigo, azar() % 4 == 0 ? tecla::BitCtrl : Entero{0});
        ++teclas;
        v.comprueba();
        if (azar() % 3 != 0) s.wait(pausa(azar));
    }
}

void comprueba(bool ok, const char* que, Totales& t) {
    if (ok) return;
    std::fprintf(stderr, "soak: %s\n", que);
    ++t.fallos;
}

void juegaUnaVentana(int n, std::mt19937& azar, Totales& t) {
    SimSession s;
    s.dificultad = static_cast<Entero>(n % 3);
    s.p.random.overrideSeed(1000 + n);
    s.p.log.setKeep(false);
    s.load();
    Vigilante v(s);
    // Several games in this one window: a "Yes" after the last life starts the next one.
    for (int juego = 0; juego < 3; ++juego) {
        s.p.rawDialogs.queueAnswer(juego < 2 ? Answer::Yes : Answer::No);
        const auto estilo = n % 5 == 4 ? JugadorAutomatico::Estilo::Imprudente
                                       : JugadorAutomatico::Estilo::Prudente;
        if (n % 4 == 3) {
            tormenta(s, v, azar, t.teclas);
        } else {
            JugadorAutomatico jugador(s, estilo, 100 + n % 4 * 50);
            jugador.setDespuesDeTecla([&] { v.comprueba(); });
            const ResultadoPartida r = jugador.juega(kLimitePartida);
            t.ganadas += r.ganada;
            t.teclas += r.teclas;
        }
        ++t.partidas;
        if (!s.form.cargada()) {
            if (juego < 2)
                s.load();
            else
                break;
        }
        // Nothing grows beyond its bounds from game to game.
        const ControlesForm1& k = s.form.controles();
        comprueba(k.TMRMonstruo.count() <= 15 && k.WMPMonstruo.count() <= 15, "worm arrays grew",
                  t);
        comprueba(k.TMRBomba.count() <= 5 && k.WMPBomba.count() <= 5, "bomb arrays grew", t);
        comprueba(s.p.scheduler.liveTimerCount() <= 3 + 15 + 5, "timers leaked", t);
        comprueba(s.p.audio.voiceCount() <= 8 + 15 + 5, "voices leaked", t);
    }
    t.eventos += v.eventosComprobados();
    for (const std::string& f : v.fallos())
        std::fprintf(stderr, "soak: window %d: %s\n", n, f.c_str());
    t.fallos += static_cast<long long>(v.fallos().size());
}

}  // namespace
}  // namespace gus::testing

int main(int argc, char** argv) {
    const int ventanas = argc > 1 ? std::atoi(argv[1]) : 200;
    std::mt19937 azar(20261206);
    gus::testing::Totales t;
    for (int n = 0; n < ventanas; ++n) gus::testing::juegaUnaVentana(n, azar, t);
    std::printf("soak: %lld games (%lld won), %lld keys, %lld events checked, %lld violations\n",
                t.partidas, t.ganadas, t.teclas, t.eventos, t.fallos);
    std::printf("%lld passed, %lld failed\n", t.fallos == 0 ? t.partidas : 0, t.fallos);
    return t.fallos == 0 ? 0 : 1;
}
