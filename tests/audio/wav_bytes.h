// WAV files for the tests, written field by field with room to lie in every size.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace gus::test {

// A size of -1 is the true one; any other is what the header claims.
struct WavLayout {
    int channels = 1, rate = 48000, bits = 16, tag = 1;  // tag 1 PCM, 3 IEEE float
    std::int64_t dataBytes = -1, riffBytes = -1;
};

template <class Sample>
std::vector<unsigned char> wavBytes(const WavLayout& l, const std::vector<Sample>& samples) {
    const auto n = static_cast<std::int64_t>(samples.size() * sizeof(Sample));
    const std::int64_t align = l.channels * l.bits / 8;
    // clang-format off
    const auto tag = [](const char* t) { return std::int64_t{t[0] | t[1] << 8 | t[2] << 16 | t[3] << 24}; };
    const std::pair<std::int64_t, int> fields[] = {  // value, bytes
        {tag("RIFF"), 4}, {l.riffBytes < 0 ? 36 + n : l.riffBytes, 4}, {tag("WAVE"), 4}, {tag("fmt "), 4},
        {16, 4}, {l.tag, 2}, {l.channels, 2}, {l.rate, 4}, {l.rate * align, 4},
        {align, 2}, {l.bits, 2}, {tag("data"), 4}, {l.dataBytes < 0 ? n : l.dataBytes, 4}};
    // clang-format on
    std::vector<unsigned char> out;
    for (const auto& [value, bytes] : fields)
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> 8 * i));
    const auto* data = reinterpret_cast<const unsigned char*>(samples.data());
    out.insert(out.end(), data, data + n);
    return out;
}

inline std::vector<std::int16_t> sine(double hertz, double level, int rate, std::size_t frames) {
    std::vector<std::int16_t> pcm(frames);
    const double step = 2.0 * std::numbers::pi * hertz / rate;
    for (std::size_t i = 0; i < frames; ++i)
        pcm[i] =
            static_cast<std::int16_t>(std::lround(level * 32767.0 * std::sin(step * double(i))));
    return pcm;
}

// Half-scale 1 kHz, mono, 48 kHz.
inline std::vector<unsigned char> goodWav(std::size_t frames = 4800) {
    return wavBytes(WavLayout{}, sine(1000.0, 0.5, 48000, frames));
}

inline void writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
}

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempDir {
    std::filesystem::path path = [] {
        std::string name = (std::filesystem::temp_directory_path() / "gus-audio-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        return name;
    }();
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

}  // namespace gus::test
