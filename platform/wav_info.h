// Reads just enough of a WAV file's header to know how long it plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gus {

struct WavInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    double seconds() const;
};

// Nothing for a file that is missing, unreadable or not a sane RIFF/WAVE file.
std::optional<WavInfo> readWavInfo(const std::string& path);
std::optional<WavInfo> parseWavHeader(const unsigned char* data, std::size_t size);

}  // namespace gus
