// The headless runner's contract: commands in, JSON lines out, exit 2 at the first bad line.
#include <gtest/gtest.h>

#include <sstream>

#include "sound/catalogue.h"
#include "tools/sim/runner.h"

namespace gus {
namespace {

struct Salida {
    int status;
    std::string out;
    std::string err;
};

Salida run(const std::string& script) {
    std::ostringstream out, err;
    SimRunner r(out, err);
    std::istringstream in(script);
    const int status = r.run(in);
    return {status, out.str(), err.str()};
}

TEST(Runner, BadLinesStopTheRunWithStatusTwoAndTheLineNumber) {
    const char* bad[] = {"frobnicate",
                         "wait 86400001",
                         "wait -1",
                         "key 38 8",
                         "key x",
                         "set player 15 0",
                         "set player -2 3",
                         "set monster 16 4 4 1",
                         "set monster 0 4 4 5",
                         "random 1.0",
                         "random -0.1",
                         "random 0.5 abc",
                         "clock 24:00:00",
                         "clock 7:00:00",
                         "difficulty 3",
                         "answer maybe",
                         "set lives 6",
                         "set phase 0",
                         "set turn 2",
                         "seed 99999999999",
                         "state extra",
                         "load now"};
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        const Salida r = run(std::string("# comment\n\n") + line + "\nstate\n");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("line 3: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out.find("\"ev\":\"state\""), std::string::npos);
    }
}

TEST(Runner, StartUpStateUsesTheGameNames) {
    const Salida r = run("seed 42\nload\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* k : {"\"Fase\":1", "\"Vidas\":5", "\"Jugador\":{\"X\":7,\"Y\":12,\"Paso\":1}",
                          "\"PilaBombas\":[-1,-1,-1,-1,-1,-1]", "\"MonstruosEnTablero\":1",
                          "\"TMRMonstruo\":[{\"Enabled\":-1,\"Interval\":3000}]",
                          "\"Wmp1(1)\":{\"FileName\":\"\",\"Balance\":3000,\"Volume\":-600",
                          "\"Tablero\":[\"################\",\"#.............##\""}) {
        EXPECT_NE(r.out.find(k), std::string::npos) << k;
    }
    EXPECT_NE(r.out.find("{\"t\":0,\"ev\":\"sound\",\"ch\":\"Wmp1(5)\",\"file\":\"" +
                         std::string(Sonido::EntraGusano) + "\""),
              std::string::npos);
}

TEST(Runner, ForcedDrawsPlaceTheFirstWorm) {
    // Int(r x 5) + 4 for X and Y, Int(r x 4) + 1 for the heading.
    const Salida r = run("random 0.0 0.99 0.5\nload\nstate\n");
    EXPECT_NE(r.out.find("\"Monstruos\":[{\"X\":4,\"Y\":8,\"Direccion\":3,\"Activo\":-1}"),
              std::string::npos);
}

TEST(Runner, KeysWaitsAndSetUpCommands) {
    const Salida r =
        run("seed 1\nclock 10:00:58\nload\nset monster 0 4 0 1\nset player 4 3\nkey 86\nwait 5000\n"
            "key 90\nset monster 1 12 12 3\nset turn 1\nset waiting 4\nset lives 2\nset phase 9\n"
            "key 38 2\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"text\":\"5 vidas te quedan\""), std::string::npos);
    EXPECT_NE(r.out.find("\"text\":\"4, 3\""), std::string::npos);
    EXPECT_NE(r.out.find("\"GiroReciente\":-1"), std::string::npos);
    EXPECT_NE(r.out.find("\"MonstruosPorEntrar\":4"), std::string::npos);
    EXPECT_NE(r.out.find("\"Vidas\":2,"), std::string::npos);
    EXPECT_NE(r.out.find("\"Fase\":9,"), std::string::npos);
    EXPECT_NE(r.out.find("\"MonstruosEnTablero\":2"), std::string::npos);
}

TEST(Runner, ClosedWindowTakesNoKeyAndCanBeLoadedAgain) {
    const Salida r = run("load\nunload\nkey 86\nwait 10000\nstate\nload\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("{\"t\":0,\"ev\":\"close\",\"window\":\"Form1\"}"), std::string::npos);
    EXPECT_EQ(r.out.find("vidas te quedan"), std::string::npos);
    EXPECT_NE(r.out.find("\"Timers\":{},\"Channels\":{}"), std::string::npos);
    EXPECT_NE(r.out.find("\"TMRColocaMon\""), std::string::npos);
}

// A worm stands on the player's cell, and the status text is five seconds old.
TEST(Runner, AKeyWithNoMeaningInTheGameStillRunsTheKeyHandlersTail) {
    for (const char* key : {"key 66", "key 17 2"}) {
        SCOPED_TRACE(key);
        const Salida r = run(std::string("load\nkey 86\nwait 5000\nset monster 0 4 4 1\n"
                                         "set player 4 4\n") +
                             key + "\nstate\n");
        EXPECT_NE(r.out.find("\"Label1\":\"4, 4\",\"Label2\":\"¡Has muerto! Te quedan 4 vidas.\""),
                  std::string::npos);
        EXPECT_NE(r.out.find("\"TMRMuerto\":{\"Enabled\":-1"), std::string::npos);
    }
}

TEST(Runner, GameOverAnswersComeFromTheQueue) {
    const Salida r = run("load\nset lives 1\nset monster 1 7 12 0\nanswer yes\nkey 90\nwait 800\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        r.out.find("\"ev\":\"box\",\"title\":\"GUSANICIDA\",\"text\":\"La partida ha terminado, "
                   "¿Deseas volver a jugar? \",\"buttons\":\"yesno\",\"answer\":\"yes\""),
        std::string::npos);
}

}  // namespace
}  // namespace gus
