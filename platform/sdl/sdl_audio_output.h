// The real audio output: our mixer behind SDL_mixer's device, and the beep.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio_output.h"
#include "platform/mixer/decoded_sound.h"
#include "platform/mixer/mixer.h"
#include "platform/sdl/sound_cache.h"
#include "platform/services.h"

namespace gus {

class SdlMixerDevice;

// One per process (SDL_mixer has one device). Without any audio device it still works, silent:
// every operation does nothing and playing() is false.
class SdlAudioOutput : public AudioOutput, public Beeper {
  public:
    static constexpr int kDefaultBufferFrames = 256;  // 5.3 ms at 48 kHz

    SdlAudioOutput();
    explicit SdlAudioOutput(int bufferFrames);
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    // -1 when all voices are taken; operations on it then do nothing.
    Voice createVoice(const std::string& name) override;
    void destroyVoice(Voice v) override;
    // Decodes on first use of a path (file I/O on this thread), then only looks it up.
    void load(Voice v, const std::string& path) override;
    void play(Voice v, bool loop) override;
    void stop(Voice v) override;
    void setGains(Voice v, int balance, int volume) override;
    bool playing(Voice v) const override;
    void commit() override;

    // Starts the beep from its start; like every other operation it sounds at the next commit().
    void beep() override;

    bool opened() const;
    int bufferFrames() const { return bufferFrames_; }

    // For measurement, all lock-free: the steady-clock time (nanoseconds) at which the audio
    // callback that mixed the first frame of the voice's latest start began (0 before any),
    // how many callbacks have run, and commands dropped because the hand-over ring was full.
    std::int64_t firstFrameNanos(Voice v) const;
    std::uint64_t callbacks() const { return mixer_.renders(); }
    std::uint64_t droppedCommands() const { return mixer_.droppedCommands(); }

  private:
    static void mixInto(void* self, float* stereo, std::size_t frames);
    bool usable(Voice v) const;

    int bufferFrames_;
    Mixer mixer_;
    SoundCache cache_;
    DecodedSound beepTone_;
    Voice beepVoice_ = -1;
    // Declared last, so it closes (and the audio thread stops) before anything it reads goes.
    std::unique_ptr<SdlMixerDevice> device_;
};

}  // namespace gus
