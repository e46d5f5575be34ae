// Sounds for the benchmark: WAV files written to a scratch folder, and tones in memory.
#pragma once

#include <filesystem>
#include <string>

#include "platform/sdl/decoded_sound.h"

namespace gus::bench {

// A 16-bit, 48 kHz WAV file of a tone, as the game's own sounds are.
void writeToneWav(const std::string& path, int channels, double seconds);

DecodedSound toneInMemory(double hertz, double seconds);

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace gus::bench
