// The benchmark's tones: on disk through the tests' RIFF writer, in memory as decoded sound.
#include "bench/audio/bench_sounds.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace gus::bench {

void writeToneWav(const std::string& path, int channels, double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * kMixRate);
    const std::vector<std::int16_t> mono = test::sine(440.0, 0.25, kMixRate, frames);
    std::vector<std::int16_t> pcm;
    pcm.reserve(frames * static_cast<std::size_t>(channels));
    for (const std::int16_t s : mono) pcm.insert(pcm.end(), static_cast<std::size_t>(channels), s);
    test::WavLayout layout;
    layout.channels = channels;
    test::writeFile(path, test::wavBytes(layout, pcm));
}

DecodedSound toneInMemory(double hertz, double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * kMixRate);
    std::vector<float> samples(frames * kMixChannels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * hertz * static_cast<double>(i) / kMixRate;
        samples[2 * i] = samples[2 * i + 1] = static_cast<float>(0.1 * std::sin(phase));
    }
    return DecodedSound(std::move(samples));
}

}  // namespace gus::bench
