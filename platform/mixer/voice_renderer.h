// One voice as the audio thread plays it, with the fade-out of a sound just cut off.
#pragma once

#include <cstddef>

#include "platform/mixer/decoded_sound.h"
#include "platform/mixer/gain_law.h"

namespace gus {

// 128 frames (2.7 ms) to glide to new gains, 144 frames (3 ms) to fade out a halted sound:
// long enough that no step is heard as a click, short enough to count as "at once".
inline constexpr std::size_t kGainRampFrames = 128;
inline constexpr std::size_t kFadeOutFrames = 144;

// Audio thread only. Never allocates.
class VoiceRenderer {
  public:
    // Halts, rewinds and takes the new sound (null: silence).
    void load(const DecodedSound* sound);
    // Starts from the first frame, unless playing already.
    void play(bool loop);
    // Halts and rewinds; what was sounding fades out.
    void stop() { cutOff(); }
    void setGains(StereoGain gains);
    // The voice is given up: silent, nothing loaded, gains back to unity.
    void reset();

    // Adds this voice into `frames` interleaved stereo frames of out. True when this call mixed
    // the first frame of a start.
    bool render(float* out, std::size_t frames);
    bool playing() const { return main_.active; }

  private:
    struct Cursor {
        const DecodedSound* sound = nullptr;
        std::size_t position = 0;
        bool loop = false;
        bool active = false;
    };
    struct Tail {
        Cursor cursor;
        StereoGain gains;
        std::size_t framesLeft = 0;
    };

    void cutOff();
    std::size_t renderRun(float* out, std::size_t frames);
    void renderTail(float* out, std::size_t frames);
    void advanceRamp();

    const DecodedSound* sound_ = nullptr;
    Cursor main_;
    bool fresh_ = false;  // started, not one frame mixed yet
    StereoGain gains_;
    StereoGain target_;
    StereoGain step_{0.0f, 0.0f};
    std::size_t rampLeft_ = 0;
    Tail tail_;
};

}  // namespace gus
