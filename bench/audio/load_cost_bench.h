// (c) What load() costs the UI thread: a path seen before, and the first load of a file.
#pragma once

#include "bench/stats.h"

namespace gus::bench {

struct LoadCostResult {
    bool opened = false;
    Summary cachedMicros;
    Summary firstShortMicros;  // 1 s mono, the size of the game's effects
    Summary firstLongMicros;   // 30 s stereo, the size of a piece of music
    std::uint64_t dropped = 0;
};

LoadCostResult measureLoadCost(std::size_t cachedLoads, std::size_t firstLoads);

}  // namespace gus::bench
