// Forwarding, with an optional stopwatch and context-switch count around each call.
#include "bench/audio/timed_output.h"

#include <sys/resource.h>

#include <atomic>
#include <type_traits>

namespace gus::bench {

namespace {

// The thread's context switches are read outside the timed span, so the reading costs it nothing.
class CallStopwatch {
  public:
    CallStopwatch() {
        getrusage(RUSAGE_THREAD, &before_);
        start_ = nowNanos();
    }
    void stop() {
        micros_ = microsSince(start_);
        rusage after{};
        getrusage(RUSAGE_THREAD, &after);
        preempted_ = after.ru_nivcsw != before_.ru_nivcsw;
        waited_ = after.ru_nvcsw != before_.ru_nvcsw;
    }
    double micros() const { return micros_; }
    bool preempted() const { return preempted_; }
    bool waited() const { return waited_; }

  private:
    rusage before_{};
    std::int64_t start_ = 0;
    double micros_ = 0.0;
    bool preempted_ = false;
    bool waited_ = false;
};

}  // namespace

template <class Call>
auto TimedOutput::timed(const char* name, Call call) const {
    if (!timing_) return call();
    CallStopwatch watch;
    if constexpr (std::is_void_v<decltype(call())>) {
        call();
        watch.stop();
        record(name, watch.micros(), watch.preempted(), watch.waited());
    } else {
        const auto result = call();
        watch.stop();
        record(name, watch.micros(), watch.preempted(), watch.waited());
        return result;
    }
}

void TimedOutput::record(const char* name, double micros, bool preempted, bool waited) const {
    times_.micros.push_back(micros);
    if (micros > 20.0) ++times_.overTwentyMicros;
    if (preempted) ++times_.preempted;
    if (waited) ++times_.waited;
    if (!preempted && !waited && micros > times_.longestOwnMicros) {
        times_.longestOwnMicros = micros;
        times_.longestOwnCall = name;
    }
    timeAnEmptyCall();
}

void TimedOutput::timeAnEmptyCall() const {
    CallStopwatch watch;
    std::atomic_signal_fence(std::memory_order_seq_cst);  // nothing the compiler may drop
    watch.stop();
    if (!watch.preempted() && watch.micros() > times_.longestEmptyMicros)
        times_.longestEmptyMicros = watch.micros();
}

AudioOutput::Voice TimedOutput::createVoice(const std::string& name) {
    const Voice v = timed("createVoice", [&] { return out_.createVoice(name); });
    voices_[name] = v;
    return v;
}

void TimedOutput::destroyVoice(Voice v) {
    timed("destroyVoice", [&] { out_.destroyVoice(v); });
}

void TimedOutput::load(Voice v, const std::string& path) {
    timed("load", [&] { out_.load(v, path); });
}

void TimedOutput::play(Voice v, bool loop) {
    timed("play", [&] { out_.play(v, loop); });
}

void TimedOutput::stop(Voice v) {
    timed("stop", [&] { out_.stop(v); });
}

void TimedOutput::setGains(Voice v, int balance, int volume) {
    timed("setGains", [&] { out_.setGains(v, balance, volume); });
}

bool TimedOutput::playing(Voice v) const {
    return timed("playing", [&] { return out_.playing(v); });
}

void TimedOutput::commit() {
    timed("commit", [&] { out_.commit(); });
}

void TimedOutput::beep() {
    timed("beep", [&] { out_.beep(); });
}

AudioOutput::Voice TimedOutput::voiceNamed(const std::string& name) const {
    const auto found = voices_.find(name);
    return found == voices_.end() ? -1 : found->second;
}

}  // namespace gus::bench
