// (a) Time from play() and commit() to the callback carrying the first frame.
#pragma once

#include "bench/stats.h"

namespace gus::bench {

struct LatencyResult {
    int bufferFrames = 0;
    bool opened = false;
    double callbackPeriodMs = 0.0;  // measured over the run
    Summary startMs;
    std::size_t lost = 0;  // starts never seen within a second
};

LatencyResult measureStartLatency(int bufferFrames, std::size_t starts);

}  // namespace gus::bench
