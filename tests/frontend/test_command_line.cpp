// --help and --version answer in Spanish without opening a window; anything else plays.
#include <gtest/gtest.h>

#include <sstream>

#include "frontend/command_line.h"

namespace gus {
namespace {

TEST(CommandLine, VersionAndHelpAnswerAndEnd) {
    std::ostringstream out;
    EXPECT_EQ(answerCommandLine({"--version"}, out), 0);
    EXPECT_EQ(out.str(), "GUSANICIDA 1.0.0\n");
    out.str("");
    EXPECT_EQ(answerCommandLine({"--help"}, out), 0);
    EXPECT_NE(out.str().find("Uso: gusanicida"), std::string::npos);
    EXPECT_NE(out.str().find("muestra la versión"), std::string::npos);
}

TEST(CommandLine, NoOptionOpensTheGame) {
    std::ostringstream out;
    EXPECT_EQ(answerCommandLine({}, out), std::nullopt);
    EXPECT_EQ(answerCommandLine({"-platform", "offscreen"}, out), std::nullopt);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace gus
