// Sounds whose every sample is known, and a way to render a mixer into a fresh buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sdl/decoded_sound.h"
#include "platform/sdl/mixer.h"

namespace gus::test {

inline DecodedSound constantSound(std::size_t frames, float value) {
    return DecodedSound(std::vector<float>(frames * kMixChannels, value));
}

// Frame i holds (i + 1) / 1024 on the left and its negative on the right, so a frame's place in
// the sound can be read back from the output.
inline DecodedSound countingSound(std::size_t frames) {
    std::vector<float> samples(frames * kMixChannels);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[2 * i] = static_cast<float>(i + 1) / 1024.0f;
        samples[2 * i + 1] = -samples[2 * i];
    }
    return DecodedSound(std::move(samples));
}

inline std::vector<float> renderFrames(Mixer& mixer, std::size_t frames, std::int64_t stamp = 1) {
    std::vector<float> out(frames * kMixChannels, 0.0f);
    mixer.render(out.data(), frames, stamp);
    return out;
}

inline float left(const std::vector<float>& out, std::size_t frame) {
    return out[2 * frame];
}
inline float right(const std::vector<float>& out, std::size_t frame) {
    return out[2 * frame + 1];
}

}  // namespace gus::test
