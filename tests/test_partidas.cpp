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
