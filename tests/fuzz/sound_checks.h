// What any decoded sound must be, whatever file it came from: checked by the fuzzer and the replay.
#pragma once

#include <string>

#include "platform/sdl/decoded_sound.h"

namespace gus::fuzz {

// Empty when the sound is fit for the mixer: some frames, not too many, every sample finite, and
// played once and then looped through a mixer of its own, buffer by buffer as the audio callback
// would, every mixed sample finite and the voice stopping at the sound's end. Otherwise what is
// wrong with it.
std::string soundProblem(const DecodedSound& sound);

}  // namespace gus::fuzz
