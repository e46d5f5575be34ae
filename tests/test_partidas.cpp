// Whole games headless: the careful player wins at every difficulty, and random keys on crowded
// boards break no invariant.
#include <gtest/gtest.h>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"
#include "tests/support/sesion.h"

namespace gus::testing {
namespace {

class WholeGame : public ::testing::TestWithParam<int> {};

TEST_P(WholeGame, CarefulPlayerWinsAllTwentyFivePhases) {
    auto s = nuevaSesion(static_cast<Entero>(GetParam()), 11 * (GetParam() + 1));
    Vigilante v(*s);
    JugadorAutomatico jugador(*s, JugadorAutomatico::Estilo::Prudente);
    jugador.setDespuesDeTecla([&] { v.comprueba(); });
    EXPECT_TRUE(jugador.juega(2LL * 60 * 60 * 1000).ganada)
        << "phase " << s->form.Fase << ", " << s->form.Vidas << " lives";
    EXPECT_EQ(v.fallos(), std::vector<std::string>{});
    EXPECT_GT(v.eventosComprobados(), 1000);
}
INSTANTIATE_TEST_SUITE_P(EveryDifficulty, WholeGame, ::testing::Values(0, 1, 2));

// Every difficulty, later phases with many worms coming in, and a Yes to every other game-over
// question, which starts a new game in the same window.
TEST(KeyStorm, RandomKeysOnCrowdedBoardsBreakNoInvariant) {
    auto s = nuevaSesion(0, 4321, false);
    Vigilante v(*s);
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
        maxSounds = std::max(maxSounds, tormenta(*s, v, azar, 1));
        deaths += s->form.Vidas < vidas;
        maxOnBoard = std::max<int>(maxOnBoard, s->form.MonstruosEnTablero);
    }
    EXPECT_EQ(v.fallos(), std::vector<std::string>{});
    // Each key answers with its own sounds only: four walls, a bomb chain, a death, the worms.
    EXPECT_LE(maxSounds, 4 + 5 + 2 + 15);
    // The storm must have been real games: deaths, new games and a crowded board.
    EXPECT_TRUE(deaths > 10 && games > 2 && maxOnBoard >= 9) << deaths << games << maxOnBoard;
}

}  // namespace
}  // namespace gus::testing
