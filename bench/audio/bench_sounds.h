// Sounds for the benchmark: tone WAV files written with the tests' RIFF writer, and tones in
// memory.
#pragma once

#include <string>

#include "platform/sdl/decoded_sound.h"
#include "tests/audio/wav_bytes.h"

namespace gus::bench {

// Scratch folders come from the tests' support: one way to make and remove them.
using ScratchFolder = test::TempDir;

// A 16-bit, 48 kHz WAV file of a 440 Hz tone, as the game's own sounds are.
void writeToneWav(const std::string& path, int channels, double seconds);

DecodedSound toneInMemory(double hertz, double seconds);

}  // namespace gus::bench
