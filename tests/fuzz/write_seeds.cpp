// write_fuzz_seeds: writes the fuzzer's starting files, one of each kind a WAV file comes in.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

enum Tag : std::uint16_t { Pcm = 1, Float = 3, ALaw = 6, MuLaw = 7, Extensible = 0xFFFE };

struct Seed {
    std::string name;  // ok-*: must decode; bad-*: must not
    Tag tag = Pcm;
    int channels = 1;
    int rate = 48000;
    int bits = 16;
    int frames = 64;
    Tag subTag = Pcm;             // Extensible only
    bool listFirst = false;       // an odd-sized LIST chunk before the data, padded to even
    std::int64_t keepBytes = -1;  // cut the file here
};

void put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void tag(Bytes& out, const char* fourcc) {
    out.insert(out.end(), fourcc, fourcc + 4);
}

// One sample of a quiet sine in the seed's own encoding.
void putSample(Bytes& out, const Seed& s, double x) {
    const Tag t = s.tag == Extensible ? s.subTag : s.tag;
    if (t == Float && s.bits == 32) {
        const float f = static_cast<float>(x);
        std::uint32_t raw = 0;
        std::memcpy(&raw, &f, sizeof raw);
        put(out, raw, 4);
    } else if (t == Float) {
        std::uint64_t raw = 0;
        std::memcpy(&raw, &x, sizeof raw);
        put(out, static_cast<std::uint32_t>(raw), 4);
        put(out, static_cast<std::uint32_t>(raw >> 32), 4);
    } else if (t == ALaw || t == MuLaw || s.bits == 8) {
        out.push_back(static_cast<unsigned char>(std::lround(128.0 + 100.0 * x)));
    } else {
        const double full = std::ldexp(1.0, s.bits - 1) - 1.0;
        put(out, static_cast<std::uint32_t>(std::llround(full * x)), s.bits / 8);
    }
}

Bytes formatChunk(const Seed& s) {
    Bytes body;
    const int blockAlign = s.channels * s.bits / 8;
    put(body, s.tag, 2);
    put(body, static_cast<std::uint32_t>(s.channels), 2);
    put(body, static_cast<std::uint32_t>(s.rate), 4);
    put(body, static_cast<std::uint32_t>(s.rate * blockAlign), 4);
    put(body, static_cast<std::uint32_t>(blockAlign), 2);
    put(body, static_cast<std::uint32_t>(s.bits), 2);
    if (s.tag == Extensible) {
        put(body, 22, 2);
        put(body, static_cast<std::uint32_t>(s.bits), 2);
        put(body, s.channels == 2 ? 3u : 4u, 4);  // front left and right, or front centre
        put(body, s.subTag, 4);
        const unsigned char guidTail[] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                          0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        body.insert(body.end(), guidTail, guidTail + sizeof guidTail);
    }
    return body;
}

Bytes wav(const Seed& s) {
    Bytes data;
    for (int i = 0; i < s.frames; ++i) {
        const double x = 0.5 * std::sin(2.0 * std::numbers::pi * 440.0 * i / s.rate);
        for (int c = 0; c < s.channels; ++c) putSample(data, s, c == 0 ? x : -x);
    }
    const Bytes format = formatChunk(s);
    Bytes out;
    tag(out, "RIFF");
    put(out, 0, 4);  // filled in below
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, static_cast<std::uint32_t>(format.size()), 4);
    out.insert(out.end(), format.begin(), format.end());
    if (s.listFirst) {
        tag(out, "LIST");
        put(out, 5, 4);
        for (char c : std::string("INFO\x01\x00", 6)) out.push_back(static_cast<unsigned char>(c));
    }
    tag(out, "data");
    put(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    const auto riff = static_cast<std::uint32_t>(out.size() - 8);
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<unsigned char>(riff >> (8 * i));
    if (s.keepBytes >= 0) out.resize(static_cast<std::size_t>(s.keepBytes));
    return out;
}

const std::vector<Seed>& seeds() {
    static const std::vector<Seed> all = {
        {.name = "ok-pcm8-mono-8000", .rate = 8000, .bits = 8},
        {.name = "ok-pcm16-mono-48000"},
        {.name = "ok-pcm16-stereo-44100", .channels = 2, .rate = 44100},
        {.name = "ok-pcm24-mono-96000", .rate = 96000, .bits = 24},
        {.name = "ok-pcm32-stereo-48000", .channels = 2, .bits = 32},
        {.name = "ok-float32-mono-22050", .tag = Float, .rate = 22050, .bits = 32},
        {.name = "ok-float32-stereo-48000", .tag = Float, .channels = 2, .bits = 32},
        {.name = "ok-alaw-mono-8000", .tag = ALaw, .rate = 8000, .bits = 8},
        {.name = "ok-mulaw-mono-8000", .tag = MuLaw, .rate = 8000, .bits = 8},
        {.name = "ok-extensible-pcm16-stereo", .tag = Extensible, .channels = 2},
        {.name = "ok-extensible-float32-mono", .tag = Extensible, .bits = 32, .subTag = Float},
        {.name = "ok-pcm16-six-channels", .channels = 6},
        {.name = "ok-pcm16-mono-11025-odd-frames", .rate = 11025, .frames = 33},
        {.name = "ok-pcm16-mono-1000", .rate = 1000, .frames = 16},
        {.name = "ok-pcm16-mono-384000", .rate = 384000, .frames = 512},
        {.name = "ok-pcm16-one-frame", .frames = 1},
        {.name = "ok-pcm16-list-before-data", .listFirst = true},
        {.name = "ok-pcm8-odd-data-length", .bits = 8, .frames = 7},
        {.name = "bad-float64-mono", .tag = Float, .bits = 64},
        {.name = "bad-pcm16-truncated-data", .keepBytes = 44 + 64},
        {.name = "bad-pcm16-header-only", .keepBytes = 36},
        {.name = "bad-pcm16-no-frames", .frames = 0},
        {.name = "bad-pcm16-nine-channels", .channels = 9},
        {.name = "bad-pcm16-rate-999", .rate = 999},
    };
    return all;
}

}  // namespace

// Usage: write_fuzz_seeds FOLDER
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    for (const Seed& s : seeds()) {
        const Bytes bytes = wav(s);
        std::ofstream out(std::filesystem::path(argv[1]) / (s.name + ".wav"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) return 1;
    }
    return 0;
}
