// RIFF chunk walk over a bounded buffer: every offset is checked against the bytes at hand.
#include "platform/wav_info.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace gus {

namespace {

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

double WavInfo::seconds() const {
    const double bytesPerSecond = static_cast<double>(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? dataBytes / bytesPerSecond : 0.0;
}

std::optional<WavInfo> parseWavHeader(const unsigned char* data, std::size_t size) {
    if (size < 12 || std::string(reinterpret_cast<const char*>(data), 4) != "RIFF" ||
        std::string(reinterpret_cast<const char*>(data) + 8, 4) != "WAVE") {
        return std::nullopt;
    }
    WavInfo info;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::string id(reinterpret_cast<const char*>(data) + pos, 4);
        const std::uint32_t length = le32(data + pos + 4);
        const std::size_t body = pos + 8;
        // The first format chunk counts, as for every WAV reader we know of.
        if (id == "fmt " && !haveFormat && length >= 16 && body + 16 <= size) {
            info.channels = le16(data + body + 2);
            info.sampleRate = static_cast<int>(le32(data + body + 4));
            info.bitsPerSample = le16(data + body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || info.channels < 1 || info.sampleRate < 1 || info.bitsPerSample < 8) {
                return std::nullopt;
            }
            info.dataBytes = length;
            return info;
        }
        // Chunks are padded to an even length.
        pos = body + static_cast<std::size_t>(length) + (length & 1u);
    }
    return std::nullopt;
}

std::optional<WavInfo> readWavInfo(const std::string& path) {
    // Only a plain file: opening a FIFO or a device could wait for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> head(4096);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return parseWavHeader(head.data(), head.size());
}

}  // namespace gus
