// WAV files to the mixer's format; whatever cannot be trusted gives nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/mixer/decoded_sound.h"

namespace gus {

// Ten minutes: far beyond any sound of the game, and a bound on memory for absurd headers.
inline constexpr std::size_t kMaxDecodedFrames = std::size_t{600} * kMixRate;

std::unique_ptr<const DecodedSound> decodeWavFile(const std::string& path);
std::unique_ptr<const DecodedSound> decodeWavBytes(const std::vector<unsigned char>& bytes);

}  // namespace gus
