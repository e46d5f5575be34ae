// A named timer of a window, and the indexed timer arrays (TMRMonstruo, TMRBomba).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/scheduler.h"

namespace gus {

class Timer {
  public:
    Timer(Scheduler& s, int intervalMs, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setEnabled(bool on);
    bool enabled() const;
    void setInterval(int ms);
    int interval() const;
    // The window is gone: the timer stays off for good, whatever its owner still asks of it.
    void kill();
    bool killed() const { return killed_; }

  private:
    Scheduler& s_;
    Scheduler::TimerId id_;
    bool killed_ = false;
};

// Elements are indexed from 0; element 0 exists from the start, and a new element gets the
// interval of element 0 and starts disabled. Elements live until the array is destroyed.
class TimerArray {
  public:
    using Handler = std::function<void(int index)>;
    TimerArray(Scheduler& s, int intervalMs, Handler onTick);

    int count() const { return static_cast<int>(timers_.size()); }
    // Creates every missing element up to and including `index`.
    void createUpTo(int index);
    Timer& operator[](int index) { return *timers_.at(static_cast<std::size_t>(index)); }
    const Timer& operator[](int index) const {
        return *timers_.at(static_cast<std::size_t>(index));
    }
    void killAll();

  private:
    Scheduler& s_;
    Handler onTick_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace gus
