// The real output seen through a thin forwarder that knows each voice's name and can time calls.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "bench/stats.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

// What the timed calls took. A call the kernel preempted (another thread took the core) ran
// longer than it cost; a call that waited for something (a lock, a sleep) gave the core up itself.
// The two are told apart by the thread's involuntary and voluntary context switches.
struct CallTimes {
    std::vector<double> micros;     // every call, preempted or not
    double longestOwnMicros = 0.0;  // the longest call that kept its core throughout
    std::string longestOwnCall;
    std::size_t preempted = 0;
    std::size_t waited = 0;
    std::size_t overTwentyMicros = 0;
    // An empty call timed the same way after each real one: what the machine alone adds.
    double longestEmptyMicros = 0.0;
};

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
    const CallTimes& callTimes() const { return times_; }

  private:
    template <class Call>
    auto timed(const char* name, Call call) const;
    void record(const char* name, double micros, bool preempted, bool waited) const;
    void timeAnEmptyCall() const;

    SdlAudioOutput& out_;
    std::map<std::string, Voice> voices_;
    bool timing_ = false;
    mutable CallTimes times_;
};

}  // namespace gus::bench
