// Reads a whole sound file into memory, refusing anything that is not a plain file of sane size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace gus {

// A directory, a pipe or a device named like a sound would stall or fail the read; so would a
// file too large to be one of ours.
inline constexpr std::size_t kMaxSoundFileBytes = std::size_t{256} << 20;

std::optional<std::vector<unsigned char>> readSoundFile(const std::string& path,
                                                        std::size_t maxBytes = kMaxSoundFileBytes);

}  // namespace gus
