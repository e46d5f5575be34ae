// Measures the game's own cost on the user-interface thread, on the simulated platform:
// a key with 15 worms, a worm's step, a five-bomb chain, and a whole game with the scripted player.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "bench/stats.h"
#include "tests/support/jugador_automatico.h"
#include "tools/sim/runner.h"

namespace gus::testing {
namespace {

using Reloj = std::chrono::steady_clock;

using bench::Summary;

Summary cifras(std::vector<double> us) {
    return bench::summarize(std::move(us));
}

void imprime(const char* que, const Summary& c, const char* meta) {
    std::printf("%-44s %10.2f %10.2f %10.2f   %s\n", que, c.median, c.p99, c.max, meta);
}

// A loaded window with 15 worms on the board (hardest difficulty, phase 25), sound log off.
void quinceGusanos(SimRunner& r) {
    std::ostringstream guion;
    guion << "difficulty 2\nseed 7\nload\nset phase 25\n";
    const int celdas[15][2] = {{4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4}, {4, 8}, {5, 8}, {6, 8},
                               {7, 8}, {8, 8}, {4, 5}, {4, 6}, {4, 7}, {8, 5}, {8, 6}};
    for (int i = 0; i < 15; ++i) {
        guion << "set monster " << i << ' ' << celdas[i][0] << ' ' << celdas[i][1] << " 1\n";
    }
    std::istringstream in(guion.str());
    r.run(in);
    r.session().p.log.setKeep(false);
}

std::vector<double> mide(int veces, const std::function<void()>& preparar,
                         const std::function<void()>& medir) {
    std::vector<double> us;
    for (int i = 0; i < veces; ++i) {
        if (preparar) preparar();
        const auto t0 = Reloj::now();
        medir();
        us.push_back(std::chrono::duration<double, std::micro>(Reloj::now() - t0).count());
    }
    return us;
}

void teclaConQuinceGusanos() {
    std::ostringstream nada;
    SimRunner r(nada, nada);
    quinceGusanos(r);
    SimSession& s = r.session();
    std::printf("worms on the board: %d\n", s.form.MonstruosEnTablero);
    int i = 0;
    const Entero ida[2] = {tecla::Izquierda, tecla::Derecha};
    imprime("key (step + 15 worm channels re-placed), us",
            cifras(mide(20000, nullptr, [&] { s.key(ida[i++ % 2]); })), "goal < 50 median");
}

void pasoDeGusano() {
    std::ostringstream nada;
    SimRunner r(nada, nada);
    quinceGusanos(r);
    SimSession& s = r.session();
    int i = 0;
    imprime("worm step tick, us",
            cifras(mide(20000, nullptr,
                        [&] {
                            s.form.MueveMonstruo(static_cast<Entero>(i++ % 15));
                            s.p.endOfEvent();
                        })),
            "goal < 20 median");
}

void cadenaDeCincoBombas() {
    SimSession s;
    s.p.log.setKeep(false);
    s.load();
    imprime("explosion of a five-bomb chain, us",
            cifras(mide(
                5000,
                [&] {
                    s.key(tecla::BloqMayus);        // no time passes: clear the status by hand
                    s.form.MonstruosPorEntrar = 1;  // the phase goes on
                    s.form.Vidas = 5;
                    s.form.Jugador.X = 0;
                    for (int x = 0; x < 5; ++x) {
                        s.form.Jugador.Y = static_cast<Entero>(x * 3);
                        s.key(tecla::Espacio);
                    }
                    s.form.Jugador.Y = 12;
                    s.form.Jugador.X = 12;
                },
                [&] { s.key(tecla::Mayusculas, tecla::BitShift); })),
            "goal < 200 median");
}

void partidaCompleta() {
    std::vector<double> ms;
    int ganadas = 0;
    for (int n = 0; n < 60; ++n) {
        SimSession s;
        s.dificultad = static_cast<Entero>(n % 3);
        s.p.random.overrideSeed(n);
        s.p.log.setKeep(false);
        const auto t0 = Reloj::now();
        s.load();
        JugadorAutomatico jugador(s, JugadorAutomatico::Estilo::Prudente);
        ganadas += jugador.juega(2LL * 60 * 60 * 1000).ganada;
        ms.push_back(std::chrono::duration<double, std::milli>(Reloj::now() - t0).count());
    }
    imprime("whole 25-phase game, scripted player, ms", cifras(ms), "goal < 50 median");
    std::printf("games won: %d of %zu\n", ganadas, ms.size());
}

}  // namespace
}  // namespace gus::testing

int main() {
    std::printf("%-44s %10s %10s %10s\n", "simulated platform", "median", "p99", "max");
    gus::testing::teclaConQuinceGusanos();
    gus::testing::pasoDeGusano();
    gus::testing::cadenaDeCincoBombas();
    gus::testing::partidaCompleta();
    return 0;
}
