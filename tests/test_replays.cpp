// Recorded games replayed through the headless runner (their form: tools/sim/recording.h), and
// each game's ending checked apart from its recording. After a deliberate change of behaviour,
// GUSANICIDA_RERECORD="the reason" build/bin/test_replays records them anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/sim/recording.h"

namespace gus {
namespace {

struct Game {
    const char* name;
    int phase;  // reached
    bool won;
    int gamesLost;
};

class Replay : public ::testing::TestWithParam<Game> {};

TEST_P(Replay, RunnerWritesWhatWasRecordedAndTheGameEndsAsItDid) {
    const Game& game = GetParam();
    const std::string name = std::string(game.name) + ".sim";
    const std::filesystem::path path = std::filesystem::path(GUS_REPLAYS_DIR) / name;
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    recording::Lines file;
    for (std::string l; std::getline(in, l);) file.push_back(l);
    const recording::Played p = recording::play(file);
    ASSERT_EQ(p.refused, "");
    EXPECT_EQ(p.phase, game.phase) << "the phase reached";
    EXPECT_EQ(p.won, game.won) << "the game won";
    EXPECT_EQ(p.gamesLost, game.gamesLost) << "the games lost";
    if (const char* reason = std::getenv("GUSANICIDA_RERECORD")) {
        ASSERT_GE(std::string(reason).size(), 12u)
            << "GUSANICIDA_RERECORD must say why the behaviour changed; nothing written";
        std::cout << name << " recorded anew because " << reason << ":\n"
                  << recording::changeSummary(p);
        std::ofstream out(path);
        return recording::write(out, file, p);
    }
    const std::string difference = recording::firstDifference(name, file, p);
    EXPECT_TRUE(difference.empty()) << difference;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Recorded, Replay, ::testing::Values(
    Game{"facil_fases_1_a_5", 6, false, 0}, Game{"dificil_fases_22_a_25", 25, true, 0},
    Game{"imprudente_pierde_dos_partidas", 1, false, 2}, Game{"tormenta_de_teclas", 10, false, 0}),
    [](const auto& game) { return std::string(game.param.name); });
// clang-format on

}  // namespace
}  // namespace gus
