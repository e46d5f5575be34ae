// Forwarding with an optional stopwatch around each call.
#include "bench/audio/timed_output.h"

namespace gus::bench {

template <class Call>
auto TimedOutput::timed(const char* name, Call call) const {
    if (!timing_) return call();
    const std::int64_t start = nowNanos();
    struct Record {
        const TimedOutput& self;
        const char* name;
        std::int64_t start;
        ~Record() {
            const double us = microsSince(start);
            self.micros_.push_back(us);
            if (us > self.slowestMicros_) {
                self.slowestMicros_ = us;
                self.slowest_ = name;
            }
        }
    } record{*this, name, start};
    return call();
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
