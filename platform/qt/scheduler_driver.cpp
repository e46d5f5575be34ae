// The Qt timer behind the game's scheduler, and the accounting of time spent suspended.
#include "platform/qt/scheduler_driver.h"

#include <algorithm>
#include <limits>

namespace gus {

SchedulerDriver::SchedulerDriver(Scheduler& timers, RealClock realNow)
    : timers_(timers), realNow_(std::move(realNow)) {
    if (!realNow_) {
        elapsed_.start();
        realNow_ = [this] { return static_cast<Millis>(elapsed_.elapsed()); };
    }
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { onTimeout(); });
    timers_.setOnScheduleChange([this] { rearm(); });
    timers_.setOnSuspendChange([this](bool suspended) { suspendChanged(suspended); });
    rearm();
}

SchedulerDriver::~SchedulerDriver() {
    timers_.setOnScheduleChange({});
    timers_.setOnSuspendChange({});
}

Millis SchedulerDriver::gameNow() const {
    const Millis real = realNow_();
    const Millis pausedNow = paused_ ? real - pausedSince_ : 0;
    return real - pausedTotal_ - pausedNow;
}

void SchedulerDriver::sync() {
    timers_.advanceTo(gameNow());
}

void SchedulerDriver::onTimeout() {
    sync();
}

void SchedulerDriver::suspendChanged(bool suspended) {
    if (suspended == paused_) return;
    if (suspended) {
        pausedSince_ = realNow_();
    } else {
        pausedTotal_ += realNow_() - pausedSince_;
    }
    paused_ = suspended;
    rearm();
}

void SchedulerDriver::rearm() {
    const std::optional<Millis> due = timers_.suspended() ? std::nullopt : timers_.nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    const Millis wait = std::clamp<Millis>(*due - gameNow(), 0, std::numeric_limits<int>::max());
    timer_.start(static_cast<int>(wait));
}

}  // namespace gus
