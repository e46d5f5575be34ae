// Timers and timer arrays over the scheduler.
#include "platform/timer.h"

namespace gus {

Timer::Timer(Scheduler& s, int intervalMs, std::function<void()> onTick)
    : s_(s), id_(s.add(std::move(onTick), intervalMs)) {}

Timer::~Timer() {
    s_.remove(id_);
}

void Timer::setEnabled(bool on) {
    if (!killed_) s_.setEnabled(id_, on);
}

bool Timer::enabled() const {
    return s_.enabled(id_);
}

void Timer::setInterval(int ms) {
    if (!killed_) s_.setInterval(id_, ms);
}

int Timer::interval() const {
    return s_.interval(id_);
}

void Timer::kill() {
    s_.setEnabled(id_, false);
    killed_ = true;
}

TimerArray::TimerArray(Scheduler& s, int intervalMs, Handler onTick)
    : s_(s), onTick_(std::move(onTick)) {
    timers_.push_back(std::make_unique<Timer>(s_, intervalMs, [this] { onTick_(0); }));
}

void TimerArray::createUpTo(int index) {
    const int interval = timers_.front()->interval();
    const bool dead = timers_.front()->killed();
    while (count() <= index) {
        const int i = count();
        timers_.push_back(std::make_unique<Timer>(s_, interval, [this, i] { onTick_(i); }));
        if (dead) timers_.back()->kill();
    }
}

void TimerArray::killAll() {
    for (auto& t : timers_) t->kill();
}

}  // namespace gus
