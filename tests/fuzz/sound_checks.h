// What any decoded sound must be, whatever file it came from: checked by the fuzzer and the replay.
#pragma once

#include <string>

#include "platform/sdl/decoded_sound.h"

namespace gus::fuzz {

// Empty when the sound is fit for the mixer; otherwise what is wrong with it.
std::string soundProblem(const DecodedSound& sound);

// Plays the sound once and then looped through a mixer of its own, buffer by buffer as the audio
// callback would; empty when every mixed sample is finite and the voice stops at the sound's end.
std::string playProblem(const DecodedSound& sound);

}  // namespace gus::fuzz
