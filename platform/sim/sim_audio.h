// Simulated audio output: no sound, but exact play state over virtual time and a log entry for
// every sound that starts.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio_output.h"
#include "platform/scheduler.h"

namespace gus {

class SimLog;

class SimAudio : public AudioOutput {
  public:
    SimAudio(SimLog& log, const Scheduler& s) : log_(log), s_(s) {}

    Voice createVoice(const std::string& name) override;
    void destroyVoice(Voice v) override;
    void load(Voice v, const std::string& path) override;
    void play(Voice v, bool loop) override;
    void stop(Voice v) override;
    void setGains(Voice v, int balance, int volume) override;
    bool playing(Voice v) const override;
    // Logs the sounds started since the last commit, with each channel's present settings.
    void commit() override;

    std::size_t voiceCount() const;  // voices alive

  private:
    struct VoiceState {
        std::string name;
        std::string file;              // without its folder
        std::optional<Millis> length;  // nothing: the file is missing or broken (silent)
        bool alive = false;
        bool playing = false;
        bool loop = false;
        Millis startedAt = 0;
        long long startedInEvent = 0;
        int balance = 0;
        int volume = 0;
    };
    struct Start {
        Voice voice;
        std::string file;
    };
    VoiceState& voice(Voice v) { return voices_.at(static_cast<std::size_t>(v)); }
    const VoiceState& voice(Voice v) const { return voices_.at(static_cast<std::size_t>(v)); }
    std::optional<Millis> lengthOf(const std::string& path);

    SimLog& log_;
    const Scheduler& s_;
    std::vector<VoiceState> voices_;
    std::vector<Voice> free_;
    std::vector<Start> pending_;
    std::map<std::string, std::optional<Millis>> lengths_;
    long long event_ = 0;  // counts commits: one per event
};

}  // namespace gus
