// Whole games headless: the scripted player wins at every difficulty, and a reckless one loses.
#include <gtest/gtest.h>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"

namespace gus::testing {
namespace {

constexpr Millis kDosHoras = 2LL * 60 * 60 * 1000;

struct Partida {
    int dificultad;
    std::int32_t semilla;
};

class WholeGame : public ::testing::TestWithParam<Partida> {};

TEST_P(WholeGame, CarefulPlayerWinsAllTwentyFivePhases) {
    SimSession s;
    s.dificultad = static_cast<Entero>(GetParam().dificultad);
    s.p.random.overrideSeed(GetParam().semilla);
    s.p.log.setKeep(false);
    s.load();
    Vigilante vigilante(s);
    JugadorAutomatico jugador(s, JugadorAutomatico::Estilo::Prudente);
    jugador.setDespuesDeTecla([&] { vigilante.comprueba(); });
    const ResultadoPartida r = jugador.juega(kDosHoras);
    EXPECT_TRUE(r.ganada) << "reached phase " << r.fase << " with " << s.form.Vidas << " lives";
    EXPECT_TRUE(vigilante.fallos().empty()) << vigilante.fallos().front();
    EXPECT_GT(vigilante.eventosComprobados(), 1000);
}

INSTANTIATE_TEST_SUITE_P(EveryDifficulty, WholeGame,
                         ::testing::Values(Partida{0, 11}, Partida{1, 22}, Partida{2, 33},
                                           Partida{2, 44}));

TEST(LostGame, RecklessPlayerLosesFiveLivesAndTheWindowCloses) {
    SimSession s;
    s.p.random.overrideSeed(5);
    s.load();
    Vigilante vigilante(s);
    JugadorAutomatico jugador(s, JugadorAutomatico::Estilo::Imprudente);
    jugador.setDespuesDeTecla([&] { vigilante.comprueba(); });
    const ResultadoPartida r = jugador.juega(kDosHoras);
    EXPECT_TRUE(r.terminada);
    EXPECT_FALSE(r.ganada);
    EXPECT_EQ(s.form.Vidas, 0);
    EXPECT_EQ(s.form.JuegoTerminado, VERDADERO);
    int preguntas = 0;
    for (const SimEvent& e : s.p.log.events()) {
        preguntas += e.kind == SimEvent::Kind::Box && e.buttons == Buttons::YesNo;
    }
    EXPECT_EQ(preguntas, 1);
    EXPECT_TRUE(vigilante.fallos().empty()) << vigilante.fallos().front();
}

}  // namespace
}  // namespace gus::testing

namespace gus::testing {
namespace {

// Random game keys, a quarter of the arrows with Ctrl; `pausa` ms between them.
void tormentaDeTeclas(SimSession& s, Vigilante& v, int teclas, int pausa, int& maxSonidos) {
    const Entero juego[] = {tecla::Arriba,  tecla::Derecha,    tecla::Abajo, tecla::Izquierda,
                            tecla::Espacio, tecla::Mayusculas, tecla::V,     tecla::A,
                            tecla::Z,       tecla::BloqMayus};
    std::uint32_t azar = 12345;
    for (int i = 0; i < teclas; ++i) {
        azar = azar * 1664525u + 1013904223u;
        if (!s.form.cargada()) s.load();
        const std::size_t antes = s.p.log.events().size();
        s.key(juego[(azar >> 8) % 10], (azar >> 20) % 4 == 0 ? tecla::BitCtrl : Entero{0});
        v.comprueba();
        int sonidos = 0;
        for (std::size_t e = antes; e < s.p.log.events().size(); ++e) {
            sonidos += s.p.log.events()[e].kind == SimEvent::Kind::Sound;
        }
        maxSonidos = std::max(maxSonidos, sonidos);
        if (pausa > 0) s.wait(pausa);
        if (s.p.log.events().size() > 100000) s.p.log.clear();
    }
}

TEST(KeyStorm, TenThousandKeysWithNoTimeBetweenThem) {
    SimSession s;
    s.p.random.overrideSeed(9);
    s.load();
    Vigilante v(s);
    int maxSonidos = 0;
    tormentaDeTeclas(s, v, 10000, 0, maxSonidos);
    EXPECT_TRUE(v.fallos().empty()) << v.fallos().front();
    // Each key answers with its own sounds only: four walls, a bomb chain, a death, the worms.
    EXPECT_LE(maxSonidos, 4 + 5 + 2 + 15);
}

TEST(KeyStorm, ThirtyKeysASecondForTenMinutes) {
    SimSession s;
    s.p.random.overrideSeed(10);
    s.dificultad = 2;
    s.load();
    Vigilante v(s);
    int maxSonidos = 0;
    tormentaDeTeclas(s, v, 30 * 600, 33, maxSonidos);
    EXPECT_GE(s.p.scheduler.now(), 33LL * 30 * 600);
    EXPECT_TRUE(v.fallos().empty()) << v.fallos().front();
    EXPECT_GT(v.eventosComprobados(), 18000);
}

}  // namespace
}  // namespace gus::testing
