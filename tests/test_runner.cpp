// The headless runner's contract: commands in, JSON lines out, exit 2 at the first bad line.
#include <gtest/gtest.h>

#include <sstream>

#include "sound/catalogue.h"
#include "tools/sim/runner.h"

namespace gus {
namespace {

struct Salida {
    int status;
    std::string out, err;
};

Salida run(const std::string& script) {
    std::ostringstream out, err;
    std::istringstream in(script);
    const int status = SimRunner(out, err).run(in);
    return {status, out.str(), err.str()};
}

TEST(Runner, BadLinesStopTheRunWithStatusTwoAndTheLineNumber) {
    // clang-format off
    for (const char* line : {"frobnicate", "wait 86400001", "wait -1", "key 38 8", "key x",
                             "set player 15 0", "set player -2 3", "set monster 16 4 4 1",
                             "set monster 0 4 4 5", "random 1.0", "random -0.1", "random 0.5 abc",
                             "clock 24:00:00", "clock 7:00:00", "difficulty 3", "answer maybe",
                             "set lives 6", "set phase 0", "set turn 2", "seed 99999999999",
                             "state extra", "load now"}) {
        // clang-format on
        SCOPED_TRACE(line);
        const Salida r = run(std::string("# comment\n\n") + line + "\nstate\n");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("line 3: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out.find("\"ev\":\"state\""), std::string::npos);
    }
}

// Each row: a script and a piece of its output (after a "!", a piece that must not be there).
// The state's names and the events of whole games are pinned by the recorded games.
TEST(Runner, CommandsShowInTheOutputUnderTheGameNames) {
    const std::string draws = "random 0.0 0.99 0.5\nload\nstate\n";
    const std::string setUp =
        "seed 1\nclock 10:00:58\nload\nset monster 0 4 0 1\nset player 4 3\n"
        "key 86\nwait 5000\nkey 90\nset monster 1 12 12 3\nset turn 1\n"
        "set waiting 4\nset lives 2\nset phase 9\nkey 38 2\nstate\n";
    const std::string closed = "load\nunload\nkey 86\nwait 10000\nstate\nload\nstate\n";
    // A worm on the player's cell: with the last life the game is over, with one more it goes on.
    const std::string over =
                          "load\nset lives 1\nset monster 1 7 12 0\nanswer yes\nkey 90\nwait 800\n",
                      notYet = "load\nset lives 2\nset monster 1 7 12 0\nkey 90\nwait 800\n";
    // A worm on the player's cell and a status text five seconds old: a key with no meaning in
    // the game still runs the key handler's tail.
    const std::string tail = "load\nkey 86\nwait 5000\nset monster 0 4 4 1\nset player 4 4\n";
    const std::string died = "\"Label1\":\"4, 4\",\"Label2\":\"¡Has muerto! Te quedan 4 vidas.\"",
                      timer = "\"TMRMuerto\":{\"Enabled\":-1";
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        // Int(r x 5) + 4 for X and Y, Int(r x 4) + 1 for the heading.
        {draws, "\"Monstruos\":[{\"X\":4,\"Y\":8,\"Direccion\":3,\"Activo\":-1}"},
        {setUp, "\"text\":\"5 vidas te quedan\""}, {setUp, "\"text\":\"4, 3\""}, {setUp, "\"GiroReciente\":-1"},
        {setUp, "\"MonstruosPorEntrar\":4"}, {setUp, "\"Vidas\":2,"}, {setUp, "\"Fase\":9,"}, {setUp, "\"MonstruosEnTablero\":2"},
        {closed, "{\"t\":0,\"ev\":\"close\",\"window\":\"Form1\"}"}, {closed, "!vidas te quedan"},
        {closed, "\"Timers\":{},\"Channels\":{}"}, {closed, "\"TMRColocaMon\""},
        {over, "\"buttons\":\"yesno\",\"answer\":\"yes\""},
        {notYet, "Te quedan 1 vidas."}, {notYet, "!\"ev\":\"box\""},
        {tail + "key 66\nstate\n", died}, {tail + "key 17 2\nstate\n", died},
        {tail + "key 66\nstate\n", timer}, {tail + "key 17 2\nstate\n", timer}};
    // clang-format on
    for (const auto& [script, piece] : cases) {
        SCOPED_TRACE(script + " -> " + piece);
        const Salida r = run(script);
        EXPECT_EQ(r.status, 0) << r.err;
        const bool absent = piece[0] == '!';
        EXPECT_EQ(r.out.find(piece.substr(absent ? 1 : 0)) == std::string::npos, absent);
    }
}

// What the screen reader is asked to say: once an event, the latest non-empty status written in
// it (the same status again too), nothing when the status was not written (Ctrl alone) or only
// emptied (Caps Lock); a bomb set off under the player writes its status twice in one event.
TEST(Runner, SpeaksTheLatestNonEmptyStatusOfEachEventOnce) {
    const Salida r =
        run("seed 3\nload\nkey 86\nkey 17 2\nkey 86\nkey 20\nkey 32\nkey 16 1\nwait 800\n");
    const std::string speak = "\"ev\":\"speak\",\"text\":\"";
    std::string heard;
    for (std::size_t at = r.out.find(speak); at != std::string::npos;
         at = r.out.find(speak, at + 1))
        heard += r.out.substr(at + speak.size(), r.out.find("\"}", at) - at - speak.size()) + "|";
    EXPECT_EQ(heard, "5 vidas te quedan|5 vidas te quedan|¡Has muerto! ¡Has muerto! |");
}

}  // namespace
}  // namespace gus
