// Phases: each exit leads to the opposite edge, with its door heard from there.
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

}  // namespace
}  // namespace gus::testing
