// The voice mixer: UI-thread operations in, whole events applied per audio buffer.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/mixer/command_ring.h"
#include "platform/mixer/decoded_sound.h"
#include "platform/mixer/voice_renderer.h"

namespace gus {

// The UI thread queues operations and commits them as one event; the audio thread applies whole
// events at the start of a buffer, then mixes every voice into it.
class Mixer {
  public:
    static constexpr int kMaxVoices = 128;
    // About a hundred key presses' worth of operations with the audio thread stalled.
    static constexpr std::size_t kDefaultRingCapacity = 8192;

    explicit Mixer(std::size_t ringCapacity = kDefaultRingCapacity);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // UI thread. Operations on a voice that is not alive do nothing. A command that finds the
    // ring full is dropped and counted: the UI thread never waits for the audio thread.
    int createVoice();  // -1 when every voice is taken
    void destroyVoice(int voice);
    void load(int voice, const DecodedSound* sound);
    void play(int voice, bool loop);
    void stop(int voice);
    void setGains(int voice, int balance, int volume);
    // A play queued but not yet applied counts as playing; after that, the audio thread knows.
    bool playing(int voice) const;
    bool alive(int voice) const;
    void commit() { ring_.publish(); }
    std::uint64_t droppedCommands() const { return dropped_; }

    // Audio thread: applies every committed event, then adds all voices into `frames`
    // interleaved stereo frames of out. `stamp` is kept for each voice that starts here.
    void render(float* out, std::size_t frames, std::int64_t stamp);

    // Any thread: the stamp of the buffer that carried the first frame of the voice's latest
    // start (0 before any), and how many buffers were rendered.
    std::int64_t firstFrameStamp(int voice) const;
    std::uint64_t renders() const { return renders_.load(std::memory_order_acquire); }

  private:
    struct UiVoice {
        bool alive = false;
        const DecodedSound* sound = nullptr;
        bool expectPlaying = false;
        std::uint64_t expectedUntil = 0;  // ring position that settles expectPlaying
    };

    bool inRange(int voice) const { return voice >= 0 && voice < kMaxVoices; }
    bool send(const Command& command);
    void expect(int voice, bool playing);
    void apply(const Command& command);

    CommandRing ring_;
    std::array<UiVoice, kMaxVoices> ui_{};
    std::uint64_t dropped_ = 0;

    std::array<VoiceRenderer, kMaxVoices> voices_{};  // the audio thread's own
    std::array<std::atomic<bool>, kMaxVoices> playing_{};
    std::array<std::atomic<std::int64_t>, kMaxVoices> startStamps_{};
    std::atomic<std::uint64_t> renders_{0};
};

}  // namespace gus
