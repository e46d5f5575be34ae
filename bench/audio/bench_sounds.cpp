// RIFF writing for the benchmark's files, and the scratch folder that holds them.
#include "bench/audio/bench_sounds.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace gus::bench {

namespace {

void put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xffu));
}

}  // namespace

void writeToneWav(const std::string& path, int channels, double seconds) {
    const auto frames = static_cast<std::uint32_t>(seconds * kMixRate);
    const auto blockAlign = static_cast<std::uint32_t>(2 * channels);
    const std::uint32_t dataBytes = frames * blockAlign;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(channels), 2);
    put(out, kMixRate, 4);
    put(out, kMixRate * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double value = 0.25 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kMixRate);
        const auto sample = static_cast<std::int16_t>(std::lround(value * 32767.0));
        for (int c = 0; c < channels; ++c) put(out, static_cast<std::uint16_t>(sample), 2);
    }
    if (!out) throw std::runtime_error("cannot write " + path);
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

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gus-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace gus::bench
