// The gain law: every hundredth of a decibel is 10^(1/2000) in amplitude.
#include "platform/mixer/gain_law.h"

#include <algorithm>
#include <cmath>

namespace gus {

namespace {

double amplitude(int hundredthsOfDecibel) {
    return std::pow(10.0, hundredthsOfDecibel / 2000.0);
}

}  // namespace

StereoGain stereoGain(int balance, int volume) {
    if (volume <= kSilentVolume) return {0.0f, 0.0f};
    const int b = std::clamp(balance, -kFullBalance, kFullBalance);
    const double both = amplitude(std::min(volume, 0));
    const double left = b > 0 ? both * amplitude(-b) : both;
    const double right = b < 0 ? both * amplitude(b) : both;
    return {static_cast<float>(left), static_cast<float>(right)};
}

}  // namespace gus
