// (b) The mixer's own time per callback with 30 voices sounding, against the callback period.
#pragma once

#include "bench/stats.h"

namespace gus::bench {

struct MixCostResult {
    int bufferFrames = 0;
    double periodMicros = 0.0;
    Summary renderMicros;
};

MixCostResult measureMixCost(int bufferFrames, int voices, std::size_t callbacks);

}  // namespace gus::bench
