// The real output seen through a thin forwarder that knows each voice's name and can time calls.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "bench/audio/stats.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

// The game asks its channels for voices by name ("Wmp1(2)"); the benchmark needs to find them
// again to read their start stamps. Timing is off unless asked for, so it costs the measured key
// nothing but one virtual call per operation.
class TimedOutput : public AudioOutput, public Beeper {
  public:
    explicit TimedOutput(SdlAudioOutput& out) : out_(out) {}

    Voice createVoice(const std::string& name) override;
    void destroyVoice(Voice v) override;
    void load(Voice v, const std::string& path) override;
    void play(Voice v, bool loop) override;
    void stop(Voice v) override;
    void setGains(Voice v, int balance, int volume) override;
    bool playing(Voice v) const override;
    void commit() override;
    void beep() override;

    Voice voiceNamed(const std::string& name) const;
    void timeCalls(bool on) { timing_ = on; }
    // Every timed call's duration in microseconds, and the slowest call's name.
    const std::vector<double>& callMicros() const { return micros_; }
    const std::string& slowestCall() const { return slowest_; }

  private:
    template <class Call>
    auto timed(const char* name, Call call) const;

    SdlAudioOutput& out_;
    std::map<std::string, Voice> voices_;
    bool timing_ = false;
    mutable std::vector<double> micros_;
    mutable std::string slowest_;
    mutable double slowestMicros_ = 0.0;
};

}  // namespace gus::bench
