// A sound ready for the mixer: interleaved stereo float frames at the mixer's rate, never changed.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace gus {

inline constexpr int kMixRate = 48000;
inline constexpr int kMixChannels = 2;

// Immutable once built, so the audio thread may read it through a raw pointer while the UI
// thread owns it.
class DecodedSound {
  public:
    explicit DecodedSound(std::vector<float> interleavedStereo)
        : samples_(std::move(interleavedStereo)) {}

    std::size_t frames() const { return samples_.size() / kMixChannels; }
    const float* frame(std::size_t index) const { return samples_.data() + index * kMixChannels; }

  private:
    std::vector<float> samples_;
};

}  // namespace gus
