// (e) The whole way from a key to its sound: the game on the real output, 15 worms on the board.
#pragma once

#include <cstdint>
#include <string>

#include "bench/stats.h"

namespace gus::bench {

struct KeySoundResult {
    bool ready = false;  // an audio device and the game's sounds were there
    int bufferFrames = 0;
    int worms = 0;
    Summary keyToSoundMs;   // entering Picture1_KeyDown to the callback with the step's first frame
    Summary keyCostMicros;  // Picture1_KeyDown and the event's commit, on the UI thread
    Summary callMicros;     // every AudioOutput call the game made during the keys
    double longestOwnCallMicros = 0.0;  // the longest of them that kept its core throughout
    std::string longestOwnCall;
    std::size_t preemptedCalls = 0;  // the kernel gave the core to another thread meanwhile
    std::size_t waitingCalls = 0;    // the call itself gave the core up: it waited
    std::size_t callsOverTwentyMicros = 0;
    double longestEmptyCallMicros = 0.0;  // the same stopwatch around nothing: the machine's noise
    std::size_t lost = 0;                 // steps never heard within a second
    std::uint64_t dropped = 0;
};

KeySoundResult measureKeyToSound(int bufferFrames, std::size_t keys);

}  // namespace gus::bench
