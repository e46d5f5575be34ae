// Recorded games replayed through the headless runner: what it writes must match the recording
// line for line. After a deliberate change of behaviour, GUS_GRABA_REPLAYS=1 writes them anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/sim/runner.h"

namespace gus {
namespace {

const std::filesystem::path kCarpeta = GUS_REPLAYS_DIR;

class Replay : public ::testing::TestWithParam<const char*> {};

TEST_P(Replay, RunnerWritesWhatWasRecorded) {
    std::ifstream guion(kCarpeta / (std::string(GetParam()) + ".sim"));
    ASSERT_TRUE(guion);
    std::ostringstream out, err;
    ASSERT_EQ(SimRunner(out, err).run(guion), 0) << err.str();
    const auto grabado = kCarpeta / (std::string(GetParam()) + ".out");
    if (std::getenv("GUS_GRABA_REPLAYS")) std::ofstream(grabado) << out.str();
    std::ifstream esperado(grabado);
    ASSERT_TRUE(esperado);
    std::istringstream obtenido(out.str());
    std::string a, b;
    for (int linea = 1;; ++linea) {
        const bool hayA = static_cast<bool>(std::getline(obtenido, a));
        const bool hayB = static_cast<bool>(std::getline(esperado, b));
        if (!hayA && !hayB) break;
        ASSERT_EQ(hayA ? a : "(end)", hayB ? b : "(end)") << "line " << linea;
    }
}

INSTANTIATE_TEST_SUITE_P(Recorded, Replay,
                         ::testing::Values("facil_fases_1_a_12", "dificil_fases_22_a_25",
                                           "imprudente_pierde_dos_partidas", "tormenta_de_teclas"));

}  // namespace
}  // namespace gus
