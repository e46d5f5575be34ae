// The audio device, opened through SDL_mixer in the mixer's format, our mix hooked in.
#pragma once

#include <cstddef>

namespace gus {

// Float stereo at 48 kHz. One per process: SDL_mixer has a single device.
class SdlMixerDevice {
  public:
    // Called on the audio thread for every buffer; adds into `frames` interleaved stereo frames.
    using MixFunction = void (*)(void* user, float* stereo, std::size_t frames);

    SdlMixerDevice(int bufferFrames, MixFunction mixFunction, void* user);
    ~SdlMixerDevice();
    SdlMixerDevice(const SdlMixerDevice&) = delete;
    SdlMixerDevice& operator=(const SdlMixerDevice&) = delete;

    // False when there is no audio at all (no driver, no device, a format we cannot mix in).
    bool opened() const { return opened_; }

    // The audio thread's entry; public only for the C callback that forwards to it.
    void mix(float* stereo, std::size_t frames) { mix_(user_, stereo, frames); }

  private:
    bool open(int bufferFrames);

    MixFunction mix_;
    void* user_;
    bool subsystem_ = false;
    bool opened_ = false;
};

}  // namespace gus
