// Balance and Volume, in hundredths of a decibel, as the two linear gains of a stereo voice.
#pragma once

namespace gus {

struct StereoGain {
    float left = 1.0f;
    float right = 1.0f;
};

// At or below this Volume a voice is exactly silent, not merely 100 dB down.
inline constexpr int kSilentVolume = -10000;
inline constexpr int kFullBalance = 10000;

// A positive Balance lowers the left side, a negative one the right side; Volume lowers both.
// Volume above 0 is taken as 0 and Balance is held to ±10000: a voice never gains, so never clips.
StereoGain stereoGain(int balance, int volume);

}  // namespace gus
