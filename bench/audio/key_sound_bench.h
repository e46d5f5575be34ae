// (e) The whole way from a key to its sound: the game on the real output, 15 worms on the board.
#pragma once

#include <string>

#include "bench/audio/stats.h"

namespace gus::bench {

struct KeySoundResult {
    bool ready = false;  // an audio device and the game's sounds were there
    int bufferFrames = 0;
    int worms = 0;
    Summary keyToSoundMs;   // entering Picture1_KeyDown to the callback with the step's first frame
    Summary keyCostMicros;  // Picture1_KeyDown and the event's commit, on the UI thread
    Summary callMicros;     // every AudioOutput call the game made during the keys
    std::string slowestCall;
    std::size_t lost = 0;  // steps never heard within a second
    std::uint64_t dropped = 0;
};

KeySoundResult measureKeyToSound(int bufferFrames, std::size_t keys);

}  // namespace gus::bench
