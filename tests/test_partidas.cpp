// Whole games headless: the scripted player wins at every difficulty, a reckless one loses, and
// random keys on crowded boards break no invariant.
#include <gtest/gtest.h>

#include "tests/support/invariantes.h"
#include "tests/support/jugador_automatico.h"
#include "tests/support/sesion.h"

namespace gus::testing {
namespace {

constexpr Millis kDosHoras = 2LL * 60 * 60 * 1000;

class WholeGame : public ::testing::TestWithParam<std::pair<Entero, std::int32_t>> {};

TEST_P(WholeGame, CarefulPlayerWinsAllTwentyFivePhases) {
    auto s = nuevaSesion(GetParam().first, GetParam().second, false);
    s->p.log.setKeep(false);
    s->load();
    Vigilante v(*s);
    JugadorAutomatico jugador(*s, JugadorAutomatico::Estilo::Prudente);
    jugador.setDespuesDeTecla([&] { v.comprueba(); });
    EXPECT_TRUE(jugador.juega(kDosHoras).ganada)
        << "phase " << s->form.Fase << ", " << s->form.Vidas << " lives";
    EXPECT_EQ(v.primerFallo(), "");
    EXPECT_GT(v.eventosComprobados(), 1000);
}

INSTANTIATE_TEST_SUITE_P(EveryDifficulty, WholeGame,
                         ::testing::Values(std::pair<Entero, std::int32_t>{0, 11},
                                           std::pair<Entero, std::int32_t>{1, 22},
                                           std::pair<Entero, std::int32_t>{2, 33},
                                           std::pair<Entero, std::int32_t>{2, 44}));

TEST(LostGame, RecklessPlayerLosesFiveLivesAndTheWindowClosesAfterOneQuestion) {
    auto s = nuevaSesion(1, 5);
    Vigilante v(*s);
    JugadorAutomatico jugador(*s, JugadorAutomatico::Estilo::Imprudente);
    jugador.setDespuesDeTecla([&] { v.comprueba(); });
    const ResultadoPartida r = jugador.juega(kDosHoras);
    EXPECT_TRUE(r.terminada && !r.ganada);
    EXPECT_EQ(std::make_pair(s->form.Vidas, s->form.JuegoTerminado),
              std::make_pair(Entero{0}, VERDADERO));
    int preguntas = 0;
    for (const SimEvent& e : s->p.log.events())
        preguntas += e.kind == SimEvent::Kind::Box && e.buttons == Buttons::YesNo;
    EXPECT_EQ(preguntas, 1);
    EXPECT_EQ(v.primerFallo(), "");
}

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
    EXPECT_EQ(v.primerFallo(), "");
    // Each key answers with its own sounds only: four walls, a bomb chain, a death, the worms.
    EXPECT_LE(maxSounds, 4 + 5 + 2 + 15);
    // The storm must have been real games: deaths, new games and a crowded board.
    EXPECT_GT(deaths, 10);
    EXPECT_GT(games, 2);
    EXPECT_GE(maxOnBoard, 9);
}

}  // namespace
}  // namespace gus::testing
