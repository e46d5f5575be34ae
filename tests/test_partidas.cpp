// Whole games headless: the careful player wins at every difficulty, a reckless one loses, and
// random keys on crowded boards break no invariant.
#include <gtest/gtest.h>

#include <optional>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"
#include "tests/support/sesion.h"

namespace gus::testing {
namespace {

// One window watched by the invariants from its first load to the end of the test.
class Partida : public ::testing::Test {
  protected:
    std::unique_ptr<SimSession> s;
    std::optional<Vigilante> v;
    void abre(int dificultad, std::int32_t semilla, bool cargar = true) {
        s = nuevaSesion(static_cast<Entero>(dificultad), semilla, cargar);
        v.emplace(*s);
    }
    ResultadoPartida juega(JugadorAutomatico::Estilo estilo) {
        JugadorAutomatico jugador(*s, estilo);
        jugador.setDespuesDeTecla([this] { v->comprueba(); });
        return jugador.juega(2LL * 60 * 60 * 1000);
    }
    void TearDown() override { EXPECT_EQ(v->fallos(), std::vector<std::string>{}); }
};
class WholeGame : public Partida, public ::testing::WithParamInterface<int> {};
using LostGame = Partida;
using KeyStorm = Partida;

TEST_P(WholeGame, CarefulPlayerWinsAllTwentyFivePhases) {
    abre(GetParam(), 11 * (GetParam() + 1));
    EXPECT_TRUE(juega(JugadorAutomatico::Estilo::Prudente).ganada)
        << "phase " << s->form.Fase << ", " << s->form.Vidas << " lives";
    EXPECT_GT(v->eventosComprobados(), 1000);
}
INSTANTIATE_TEST_SUITE_P(EveryDifficulty, WholeGame, ::testing::Values(0, 1, 2));

TEST_F(LostGame, RecklessPlayerLosesFiveLivesAndTheWindowClosesAfterOneQuestion) {
    abre(1, 5);
    const ResultadoPartida r = juega(JugadorAutomatico::Estilo::Imprudente);
    EXPECT_TRUE(r.terminada && !r.ganada && s->form.Vidas == 0 && s->form.JuegoTerminado);
    EXPECT_EQ(std::count_if(s->p.log.events().begin(), s->p.log.events().end(),
                            [](auto& e) {
                                return e.kind == SimEvent::Kind::Box && e.buttons == Buttons::YesNo;
                            }),
              1);
}

// Every difficulty, later phases with many worms coming in, and a Yes to every other game-over
// question, which starts a new game in the same window.
TEST_F(KeyStorm, RandomKeysOnCrowdedBoardsBreakNoInvariant) {
    abre(0, 4321, false);
    std::mt19937 azar(20240611);
    int games = 0, deaths = 0, maxOnBoard = 0, maxSounds = 0;
    for (int i = 0; i < 20000; ++i) {
        if (!s->form.cargada()) {
            s->dificultad = static_cast<Entero>(games % 3);
            if (games++ % 2 == 1) s->p.rawDialogs.queueAnswer(Answer::Yes);
            s->load();
            s->form.Fase = static_cast<Entero>(10 + games % 16);
            s->form.MonstruosPorEntrar = static_cast<Entero>(s->form.Fase - 1);
            s->form.controles().TMRColocaMon.setEnabled(true);
        }
        const Entero vidas = s->form.Vidas;
        maxSounds = std::max(maxSounds, tormenta(*s, *v, azar, 1));
        deaths += s->form.Vidas < vidas;
        maxOnBoard = std::max<int>(maxOnBoard, s->form.MonstruosEnTablero);
    }
    // Each key answers with its own sounds only: four walls, a bomb chain, a death, the worms.
    EXPECT_LE(maxSounds, 4 + 5 + 2 + 15);
    // The storm must have been real games: deaths, new games and a crowded board.
    EXPECT_TRUE(deaths > 10 && games > 2 && maxOnBoard >= 9) << deaths << games << maxOnBoard;
}

}  // namespace
}  // namespace gus::testing
