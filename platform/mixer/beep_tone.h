// The system beep, synthesized and played through our own mixer.
#pragma once

#include "platform/mixer/decoded_sound.h"

namespace gus {

// Not the desktop's bell: it is often switched off, and a player who cannot see the screen
// must still hear the beep.
struct ToneShape {
    double hertz = 880.0;
    double seconds = 0.120;
    double edgeSeconds = 0.005;  // raised-cosine attack and decay, so neither end clicks
    double peakDbfs = -12.0;
};

DecodedSound makeTone(const ToneShape& shape = {});

}  // namespace gus
