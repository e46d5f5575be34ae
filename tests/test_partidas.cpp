// Random keys over whole games at every difficulty and phase break no invariant; the soak.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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

// The same storm in windows of 10,000 keys, each window from its own seed: GUS_SOAK_WINDOWS of
// them, 20 unless given (`make soak GAMES=N` plays N).
TEST(KeyStorm, SoakOfWindowsFromTheirOwnSeedsBreaksNoInvariant) {
    const char* asked = std::getenv("GUS_SOAK_WINDOWS");
    const int windows = asked != nullptr ? std::atoi(asked) : 20;
    std::mt19937 azar(20261206);
    long long partidas = 0, eventos = 0;
    for (int n = 0; n < windows; ++n) {
        auto s = newSession(0, 1000 + n, false);
        s->p.log.setKeep(false);
        Vigilante v(*s);
        partidas += tormentaDePartidas(*s, v, azar, 10000).partidas;
        eventos += v.eventosComprobados();
        EXPECT_EQ(v.fallos(), std::vector<std::string>{}) << "window " << n;
    }
    std::printf("soak: %d windows, %lld games, %lld events checked\n", windows, partidas, eventos);
}

}  // namespace
}  // namespace gus::testing
