// Chooses SDL's audio driver for a test, and waits for the audio thread with a bounded timeout.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/sdl/sdl_audio_output.h"

namespace gus::test {

// Must be called before the output is made: SDL reads these when it opens the device.
inline void useAudioDriver(const std::string& name) {
    setenv("SDL_AUDIODRIVER", name.c_str(), 1);
}

inline void useDiskDriver(const std::string& outputFile) {
    useAudioDriver("disk");
    setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);  // about five times faster than real time
}

// True once `done` holds; false if it still does not after the timeout.
template <class Condition>
bool waitFor(Condition done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Waits until the audio thread has run `count` whole callbacks past this moment.
inline bool waitForCallbacks(const SdlAudioOutput& out, std::uint64_t count) {
    const std::uint64_t target = out.callbacks() + count + 1;
    return waitFor([&] { return out.callbacks() >= target; });
}

}  // namespace gus::test
