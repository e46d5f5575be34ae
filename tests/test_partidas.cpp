// Random keys over whole games at every difficulty and phase break no invariant.
#include <gtest/gtest.h>

#include "tests/support/invariantes.h"
#include "tests/support/new_session.h"

namespace gus::testing {
namespace {

TEST(KeyStorm, RandomKeysOnCrowdedBoardsBreakNoInvariant) {
    auto s = newSession(0, 4321, false);
    Vigilante v(*s);
    std::mt19937 azar(20240611);
    const Tormenta t = tormentaDePartidas(*s, v, azar, 20000);
    EXPECT_EQ(v.fallos(), std::vector<std::string>{});
    // Each key answers with its own sounds only: four walls, a bomb chain, a death, the worms.
    EXPECT_LE(t.maxSonidos, 4 + 5 + 2 + 15);
    // The storm must have been real games: deaths, new games and a crowded board.
    EXPECT_TRUE(t.muertes > 10 && t.partidas > 2 && t.maxEnTablero >= 9)
        << t.muertes << " " << t.partidas << " " << t.maxEnTablero;
}

}  // namespace
}  // namespace gus::testing
