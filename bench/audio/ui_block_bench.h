// (d) The longest any UI-thread call takes while the audio thread mixes 30 voices.
#pragma once

#include <string>
#include <vector>

#include "bench/stats.h"

namespace gus::bench {

// Nothing on the UI side takes a lock or waits for the audio thread, so this is the call's own
// cost plus whatever the scheduler adds; it does not grow with the audio callback's length.
struct CallCost {
    std::string call;
    Summary micros;
};

struct UiBlockResult {
    bool opened = false;
    std::vector<CallCost> calls;
    std::uint64_t callbacks = 0;
    std::uint64_t dropped = 0;
};

UiBlockResult measureUiBlocking(int bufferFrames, std::size_t events);

}  // namespace gus::bench
