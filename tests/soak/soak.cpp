// Soak: windows of games hammered with random keys from random phases at every difficulty, with
// the game's invariants checked after every event. `soak [windows]` (default 200).
#include <cstdio>
#include <cstdlib>

#include "tests/support/invariantes.h"
#include "tests/support/new_session.h"

using namespace gus;
using namespace gus::testing;

int main(int argc, char** argv) {
    const int ventanas = argc > 1 ? std::atoi(argv[1]) : 200;
    std::mt19937 azar(20261206);
    long long partidas = 0, eventos = 0, fallos = 0;
    for (int n = 0; n < ventanas; ++n) {
        auto s = newSession(0, 1000 + n, false);
        s->p.log.setKeep(false);
        Vigilante v(*s);
        partidas += tormentaDePartidas(*s, v, azar, 10000).partidas;
        eventos += v.eventosComprobados();
        for (const std::string& f : v.fallos()) {
            std::fprintf(stderr, "soak: window %d: %s\n", n, f.c_str());
            ++fallos;
        }
    }
    std::printf("soak: %lld games, %lld events checked, %lld violations\n", partidas, eventos,
                fallos);
    std::printf("%lld passed, %lld failed\n", fallos == 0 ? partidas : 0, fallos);
    return fallos == 0 ? 0 : 1;
}
