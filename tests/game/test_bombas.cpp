// Bombs: the five-bomb limit, kill counts, a chain that ends the game.
#include <algorithm>

#include "game_fixture.h"

namespace gus::testing {
namespace {

using Bombs = EmptyBoard;

TEST_F(Bombs, SixthBombBeepsAndAFreedSlotIsReusedLowestFirst) {
    // Far apart, so that no flame reaches another bomb.
    for (auto [x, y] : {Cell{0, 0}, {12, 0}, {0, 12}, {12, 12}, {6, 4}, {5, 12}}) layAt(x, y);
    EXPECT_EQ(
        std::make_tuple(k().TMRBomba.count(), k().WMPBomba.count(), beeps(), f().Bombas[5].Activa),
        std::make_tuple(5, 5, 1, FALSO));
    EXPECT_EQ(f().PilaBombas, (std::array<Entero, 6>{4, 3, 2, 1, 0, -1}));
    putPlayer(12, 0);
    f().AvanzaBomba(2, true);
    s.p.endOfEvent();
    layAt(8, 0);
    EXPECT_EQ(std::make_tuple(f().PilaBombas[0], f().Bombas[2].X),
              std::make_tuple(Entero{2}, Entero{8}));
}

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

}  // namespace
}  // namespace gus::testing
