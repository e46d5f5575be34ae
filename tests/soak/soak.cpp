// Soak: many whole games headless, scripted or hammered with random keys, with the game's
// invariants checked after every event. `soak [windows]` (default 200).
#include <cstdio>
#include <cstdlib>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"
#include "tests/support/sesion.h"

using namespace gus;
using namespace gus::testing;

int main(int argc, char** argv) {
    const int ventanas = argc > 1 ? std::atoi(argv[1]) : 200;
    std::mt19937 azar(20261206);
    long long partidas = 0, ganadas = 0, eventos = 0, fallos = 0;
    for (int n = 0; n < ventanas; ++n) {
        const auto falla = [&](const std::string& que) {
            std::fprintf(stderr, "soak: window %d: %s\n", n, que.c_str());
            ++fallos;
        };
        auto s = nuevaSesion(static_cast<Entero>(n % 3), 1000 + n, false);
        s->p.log.setKeep(false);
        s->load();
        Vigilante v(*s);
        using E = JugadorAutomatico::Estilo;
        JugadorAutomatico jugador(*s, n % 5 == 4 ? E::Imprudente : E::Prudente, 100 + n % 4 * 50);
        jugador.setDespuesDeTecla([&] { v.comprueba(); });
        // Several games in this one window: a "Yes" after the last life starts the next one.
        for (int juego = 0; juego < 3 && s->form.cargada(); ++juego, ++partidas) {
            s->p.rawDialogs.queueAnswer(juego < 2 ? Answer::Yes : Answer::No);
            if (n % 4 == 3) tormenta(*s, v, azar, 20000);
            if (n % 4 != 3) ganadas += jugador.juega(2LL * 60 * 60 * 1000).ganada;
            if (!s->form.cargada() && juego < 2) s->load();
            // Nothing grows beyond its bounds from game to game.
            const ControlesForm1* k = s->form.controlesSiHay();
            if (k->TMRMonstruo.count() > 15 || k->WMPMonstruo.count() > 15 ||
                k->TMRBomba.count() > 5 || k->WMPBomba.count() > 5 ||
                s->p.scheduler.liveTimerCount() > 3 + 15 + 5 ||
                s->p.audio.voiceCount() > 8 + 15 + 5)
                falla("arrays, timers or voices grew");
        }
        eventos += v.eventosComprobados();
        for (const std::string& f : v.fallos()) falla(f);
    }
    std::printf("soak: %lld games (%lld won), %lld events checked, %lld violations\n", partidas,
                ganadas, eventos, fallos);
    std::printf("%lld passed, %lld failed\n", fallos == 0 ? partidas : 0, fallos);
    return fallos == 0 ? 0 : 1;
}
