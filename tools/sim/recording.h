// Recorded games: runner scripts that carry, under each command, what the runner wrote for it.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace gus::recording {

// A recording is a script the runner reads as it is: under each command come the lines the runner
// wrote for it as comments, "#> " and the JSON line's values in order (a value with a blank, a
// quote, a backslash or a "#" keeps its JSON quotes; a state line stays JSON), and the game's
// turning points (a phase's boxes, a death as spoken, the game over, the win) as "#= " comments.
// Both are written anew by `write`; every other line is the recording's own and kept.
using Lines = std::vector<std::string>;
using Fields = std::vector<std::pair<std::string, std::string>>;  // name, value as written

// A runner line's members in order; the state, nested, stays one field.
Fields fieldsOf(const std::string& json);
std::string compact(const Fields& fields);

struct Played {
    struct Command {
        std::size_t line = 0;         // its index in the file
        std::vector<Fields> written;  // by the runner now
        Lines recorded;               // under it in the file, compact
    };
    std::vector<Command> commands;
    std::string refused;  // the runner's message for a command it refused
    int phase = 0;        // Fase at the end
    int gamesLost = 0;    // game-over questions asked
    bool won = false;     // the end-of-game dialog opened
};

// Runs the file's commands one at a time through a fresh runner.
Played play(const Lines& file);
// Where the runner first wrote something else than the recording: the command that led to it with
// the commands before it, both lines and each differing field by name. Empty when all is alike.
std::string firstDifference(const std::string& name, const Lines& file, const Played& p);
// Kind by kind, how the lines written differ from the recorded ones, each kind in its own order.
std::string changeSummary(const Played& p);
// The file with what the runner wrote now under each command.
void write(std::ostream& out, const Lines& file, const Played& p);

}  // namespace gus::recording
