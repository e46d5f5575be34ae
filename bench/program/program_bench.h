// The whole program measured: from outside as a child process, and from within its windows.
#pragma once

#include <string>

namespace gus {
class Program;
class SdlAudioOutput;
}  // namespace gus

namespace gus::bench {

// Starts `program` 1 + `warmRuns` times; prints the row for the warm starts. 1: a start gave no
// sound.
int measureStarts(const std::string& program, int warmRuns);
// Runs `program` on SDL's dummy driver, lets it settle, then measures its menu over `seconds`.
int measureMenu(const std::string& program, double seconds);
// Phase 25 in the game window (`game`) or the introduction dialog, over `seconds`.
int measureInside(Program& program, SdlAudioOutput& audio, bool game, double seconds,
                  const std::string& conditions);

}  // namespace gus::bench
