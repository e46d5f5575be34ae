// Phases and games: each exit and its door, a chain that ends the last phase, a new game after a
// lost one.
#include <algorithm>

#include "game_fixture.h"
#include "tests/support/fields.h"

namespace gus::testing {
namespace {

class Phases : public EmptyBoard {
  protected:
    // Kills the last worm with a bomb; `draw` chooses the exit (0 north, .25 east, .5 south,
    // .75 west).
    void clearPhase(double draw) {
        clearWorms();
        f().MonstruosPorEntrar = 0;
        k().TMRColocaMon.setEnabled(false);
        putWorm(0, 4, 11, 0);
        layAt(4, 12);
        putPlayer(12, 0);
        s.p.random.force(draw);
        shift();
    }
};

TEST_F(Phases, EachExitLeadsToTheOppositeEdgeWithTheDoorHeardFromThatSide) {
    // clang-format off
    const std::tuple<double, Cell, Entero, Cell, int, int> cases[] = {  // draw, from, key, to, door
        {0.0, {7, 0}, tecla::Arriba, {7, 12}, 0, 0}, {0.25, {12, 7}, tecla::Derecha, {0, 7}, -3000, -500},
        {0.5, {7, 12}, tecla::Abajo, {7, 0}, 0, -1000}, {0.75, {0, 7}, tecla::Izquierda, {12, 7}, 3000, -500}};
    // clang-format on
    // The boxes, texts and worms of the next phase are replayed line for line by the recorded
    // games.
    for (const auto& [draw, from, arrow, to, balance, volume] : cases) {
        clearPhase(draw);
        putPlayer(from.first, from.second);
        const std::size_t m = mark();
        key(arrow);
        const Cell arrived = player();
        putPlayer(from.first, from.second);
        key(arrow);  // the exit is a wall again: stepping back is refused
        const auto door = sounds("", m);
        ASSERT_EQ(door.size(), 1u);
        EXPECT_FIELDS(std::make_tuple(arrived, door[0].channel, door[0].file, door[0].balance,
                                      door[0].volume, beeps(m), player()),
                      std::make_tuple(to, std::string("WMPAux"), std::string(Sonido::Puerta),
                                      balance, volume, 1, from));
    }
}

using Bombs = EmptyBoard;

// A chained bomb that kills the last worm of the last phase closes the window; the explosion
// that set it off must not touch the closed window.
TEST_F(Bombs, ChainThatEndsTheGameLeavesTheClosedWindowAlone) {
    f().Fase = 25;
    putWorm(0, 4, 10, 0);
    layAt(0, 12);      // slot 0: reached by the outer flame only after the chain
    layAt(4, 12);      // slot 1: chained by the outer flame, kills the last worm
    layAt(2, 12);      // slot 2: set off by Shift
    putPlayer(0, 12);  // would be reached by the outer flame after the chain
    const std::size_t m = mark();
    shift();
    const auto closed =
        std::find_if(events().begin() + static_cast<long>(m), events().end(),
                     [](const SimEvent& e) { return e.kind == SimEvent::Kind::Close; });
    ASSERT_NE(closed, events().end());
    EXPECT_TRUE(
        since(static_cast<std::size_t>(closed - events().begin()), SimEvent::Kind::Text).empty());
    EXPECT_EQ(std::make_tuple(heardFile(Sonido::Llama, m), f().JuegoTerminado, f().cargada(),
                              f().Bombas[0].Activa),
              std::make_tuple(0, VERDADERO, false, VERDADERO));
}

using GameTest = EmptyBoard;

// A new game in the same window after a lost one: no stray worm or exit, no beacon, no timer
// or bomb of the old game.
TEST_F(GameTest, NewGameAfterALostGameStartsClean) {
    putWorm(1, 0, 0, 2);
    f().Tablero(7, 13) = CeldaSalida;
    k().WMPSalida.setFileName(f().RutaSonidos + Sonido::Salida);
    k().TMRSalida.setEnabled(true);
    key(tecla::Espacio);
    f().Vidas = 1;
    s.p.rawDialogs.queueAnswer(Answer::Yes);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);
    EXPECT_EQ(std::make_tuple(f().Vidas, f().Fase, count(CeldaMonstruo), count(CeldaSalida)),
              std::make_tuple(5, 1, 1, 0));
    EXPECT_FALSE(k().TMRSalida.enabled() || k().TMRBomba[0].enabled() || k().TMRMuerto.enabled());
    for (const RegistroBomba& b : f().Bombas) EXPECT_EQ(b.Activa, FALSO);
    const std::size_t m = mark();
    s.wait(10000);
    EXPECT_EQ(heardFile(Sonido::Salida, m) + heardFile(Sonido::Explosion, m), 0);
}

}  // namespace
}  // namespace gus::testing
