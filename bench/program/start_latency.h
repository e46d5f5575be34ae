// Start of the real program to the first audible frame of the menu music.
#pragma once

#include <string>

namespace gus::bench {

// Starts `program` 1 + `warmRuns` times on SDL's disk driver writing into a FIFO; prints the
// table row for the warm starts (all but the first). Returns 0, or 1 if a start gave no sound.
int measureStartLatency(const std::string& program, int warmRuns);

}  // namespace gus::bench
