// Little-endian RIFF writing with room to lie in every size field.
#include "tests/audio/wav_bytes.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace gus::test {

namespace {

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((value >> shift) & 0xffu));
    }
}
void put16(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xffu));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xffu));
}
void putTag(std::vector<unsigned char>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(tag[i]));
}
std::uint32_t orTrue(std::int64_t declared, std::size_t actual) {
    return static_cast<std::uint32_t>(declared >= 0 ? declared : static_cast<std::int64_t>(actual));
}

}  // namespace

std::vector<std::int16_t> sine(double hertz, double amplitude, int rate, std::size_t frames) {
    std::vector<std::int16_t> pcm(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * std::numbers::pi * hertz * static_cast<double>(i) / rate;
        pcm[i] = static_cast<std::int16_t>(std::lround(amplitude * 32767.0 * std::sin(phase)));
    }
    return pcm;
}

std::vector<unsigned char> wavBytes(const WavLayout& layout, const std::vector<std::int16_t>& pcm) {
    const std::size_t dataBytes = pcm.size() * sizeof(std::int16_t);
    const auto blockAlign = static_cast<std::uint32_t>(layout.channels * layout.bits / 8);
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put32(out, orTrue(layout.declaredRiffBytes, 4 + 8 + 16 + 8 + dataBytes));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, orTrue(layout.declaredFmtBytes, 16));
    put16(out, 1);  // PCM
    put16(out, static_cast<std::uint32_t>(layout.channels));
    put32(out, static_cast<std::uint32_t>(layout.rate));
    put32(out, static_cast<std::uint32_t>(layout.rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, static_cast<std::uint32_t>(layout.bits));
    putTag(out, "data");
    put32(out, orTrue(layout.declaredDataBytes, dataBytes));
    for (std::int16_t s : pcm) put16(out, static_cast<std::uint16_t>(s));
    return out;
}

std::vector<unsigned char> goodWav(std::size_t frames) {
    return wavBytes(WavLayout{}, sine(1000.0, 0.5, 48000, frames));
}

std::vector<unsigned char> floatWavBytes(const std::vector<float>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sizeof(float));
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put32(out, 4 + 8 + 16 + 8 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 3);  // IEEE float
    put16(out, 1);
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate) * 4);
    put16(out, 4);
    put16(out, 32);
    putTag(out, "data");
    put32(out, dataBytes);
    for (float x : samples) put32(out, std::bit_cast<std::uint32_t>(x));
    return out;
}

void writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gus-audio-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace gus::test
