// Drives the game's timers from the Qt event loop: one precise single-shot timer for the next due
// tick.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "platform/scheduler.h"

namespace gus {

// Game time is the real time elapsed since start-up less the time spent with the scheduler
// suspended, so a timer interrupted by a message box resumes with the time it had left.
class SchedulerDriver : public QObject {
  public:
    using RealClock = std::function<Millis()>;

    // `realNow` reads the real time in milliseconds; by default a monotonic clock.
    explicit SchedulerDriver(Scheduler& timers, RealClock realNow = {});
    ~SchedulerDriver() override;
    SchedulerDriver(const SchedulerDriver&) = delete;
    SchedulerDriver& operator=(const SchedulerDriver&) = delete;

    Millis gameNow() const;
    // Brings the timers to the present: every tick already due fires now.
    void sync();
    // What the Qt timer does when it expires; public so tests can stand in for the event loop.
    void onTimeout();
    bool armed() const { return timer_.isActive(); }
    int armedInterval() const { return timer_.interval(); }

  private:
    void rearm();
    void suspendChanged(bool suspended);

    Scheduler& timers_;
    RealClock realNow_;
    QElapsedTimer elapsed_;
    QTimer timer_;
    Millis pausedTotal_ = 0;
    Millis pausedSince_ = 0;
    bool paused_ = false;
};

}  // namespace gus
