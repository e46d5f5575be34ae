// Little-endian RIFF writing with room to lie in every size field.
#include "tests/audio/wav_bytes.h"

#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <numbers>
#include <stdexcept>

namespace gus::test {

namespace {

void put(std::vector<unsigned char>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
void putTag(std::vector<unsigned char>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(tag[i]));
}
std::uint64_t orTrue(std::int64_t declared, std::size_t actual) {
    return declared >= 0 ? static_cast<std::uint64_t>(declared) : actual;
}

std::vector<unsigned char> riff(const WavLayout& l, const std::vector<unsigned char>& data) {
    const auto blockAlign = static_cast<std::uint64_t>(l.channels * l.bits / 8);
    std::vector<unsigned char> out;
    putTag(out, "RIFF");
    put(out, orTrue(l.declaredRiffBytes, 4 + 8 + 16 + 8 + data.size()), 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put(out, orTrue(l.declaredFmtBytes, 16), 4);
    put(out, static_cast<std::uint64_t>(l.tag), 2);
    put(out, static_cast<std::uint64_t>(l.channels), 2);
    put(out, static_cast<std::uint64_t>(l.rate), 4);
    put(out, static_cast<std::uint64_t>(l.rate) * blockAlign, 4);
    put(out, blockAlign, 2);
    put(out, static_cast<std::uint64_t>(l.bits), 2);
    putTag(out, "data");
    put(out, orTrue(l.declaredDataBytes, data.size()), 4);
    for (unsigned char b : data) out.push_back(b);
    return out;
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
    std::vector<unsigned char> data;
    for (std::int16_t s : pcm) put(data, static_cast<std::uint16_t>(s), 2);
    return riff(layout, data);
}

std::vector<unsigned char> goodWav(std::size_t frames) {
    return wavBytes(WavLayout{}, sine(1000.0, 0.5, 48000, frames));
}

std::vector<unsigned char> floatWavBytes(const std::vector<float>& samples) {
    std::vector<unsigned char> data;
    for (float x : samples) put(data, std::bit_cast<std::uint32_t>(x), 4);
    return riff({.bits = 32, .tag = 3}, data);
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

std::vector<BadFile> writeBadWavFiles(const TempDir& dir) {
    const std::size_t dataBytes = 4800 * 2;
    const auto lying = [](WavLayout l) { return wavBytes(l, sine(1000.0, 0.5, 48000, 4800)); };
    const auto firstBytes = [](std::size_t count) {
        std::vector<unsigned char> bytes = goodWav();
        bytes.resize(count);
        return bytes;
    };
    const std::vector<std::pair<std::string, std::vector<unsigned char>>> contents = {
        {"empty", {}},
        {"truncated header", firstBytes(20)},
        {"cut short in the data", firstBytes(44 + dataBytes / 2)},
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '\n'}},
        {"fmt size too large", lying({.declaredFmtBytes = 40})},
        {"fmt size too small", lying({.declaredFmtBytes = 8})},
        {"data size beyond the file", lying({.declaredDataBytes = dataBytes + 1000})},
        {"data size not whole frames", lying({.declaredDataBytes = dataBytes - 1})},
        {"huge data size", lying({.declaredDataBytes = 0xFFFFFFF0})},
        {"huge fmt size", lying({.declaredFmtBytes = 0xFFFFFFF0})},
        {"zero channels", lying({.channels = 0})},
        {"zero sample rate", lying({.rate = 0})},
        {"one hertz", lying({.rate = 1})},
        {"absurd sample rate", lying({.rate = 0x7FFFFFFF})},
        {"zero bits", lying({.bits = 0})},
    };
    std::vector<BadFile> files;
    for (const auto& [what, bytes] : contents) {
        files.push_back({what, dir.file("bad" + std::to_string(files.size()) + ".wav")});
        writeFile(files.back().path, bytes);
    }
    files.push_back({"missing, in a folder that does not exist", dir.file("nowhere/missing.wav")});
    std::filesystem::create_directory(dir.path() / "x.wav");
    files.push_back({"a directory", dir.file("x.wav")});
    mkfifo(dir.file("pipe.wav").c_str(), 0600);
    files.push_back({"a pipe, which would block a reader", dir.file("pipe.wav")});
    return files;
}

}  // namespace gus::test
