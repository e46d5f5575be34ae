// Game timers driven by time pushed in from outside: the core never reads a clock of its own.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace gus {

using Millis = std::int64_t;

// Every timer of the program lives here. A backend pushes time in (virtual time in tests, the
// elapsed real time under Qt) and the due ticks fire one at a time, in due order, each running
// to its end before the next. While suspended (a message box or a modal window of the game is
// open) no tick fires and game time stands still, so timers resume with the time they had left.
class Scheduler {
  public:
    using TimerId = int;

    TimerId add(std::function<void()> onTick, int intervalMs);
    void remove(TimerId id);

    void setEnabled(TimerId id, bool enabled);
    bool enabled(TimerId id) const;
    // Takes effect from the next interval on.
    void setInterval(TimerId id, int intervalMs);
    int interval(TimerId id) const;

    Millis now() const { return now_; }
    // Fires every tick due up to `gameTime`, then sets the clock there. Ignored while suspended
    // or when called from inside a tick.
    void advanceTo(Millis gameTime);
    std::optional<Millis> nextDue() const;

    void suspend();
    void resume();
    bool suspended() const { return suspendDepth_ > 0; }

    // Runs every tick handler as one event (the event road sets it); unset, ticks run bare.
    using TickRunner = std::function<void(const std::function<void()>& tick)>;
    void setTickRunner(TickRunner runner) { tickRunner_ = std::move(runner); }
    // Runs whenever the next due time may have changed, so a real event loop can re-arm.
    void setOnScheduleChange(std::function<void()> fn) { onChange_ = std::move(fn); }
    // Runs when the scheduler is suspended (true) or resumed (false).
    void setOnSuspendChange(std::function<void(bool)> fn) { onSuspend_ = std::move(fn); }

    std::size_t liveTimerCount() const;

  private:
    struct Entry {
        std::function<void()> onTick;
        int interval = 0;
        bool enabled = false;
        bool alive = false;
        Millis due = 0;
        std::uint64_t order = 0;  // ties at one due time fire in the order they were armed
        std::uint64_t generation = 0;
    };
    void arm(Entry& e);
    int nextToFire(Millis limit) const;
    void changed();

    std::deque<Entry> entries_;  // a deque: a handler that adds a timer moves no entry
    std::vector<TimerId> freeIds_;
    Millis now_ = 0;
    std::uint64_t nextOrder_ = 0;
    int suspendDepth_ = 0;
    bool firing_ = false;
    TickRunner tickRunner_;
    std::function<void()> onChange_;
    std::function<void(bool)> onSuspend_;
};

// Suspends the game's timers for as long as it lives (a message box, a modal window).
class SuspendGuard {
  public:
    explicit SuspendGuard(Scheduler& s) : s_(s) { s_.suspend(); }
    ~SuspendGuard() { s_.resume(); }
    SuspendGuard(const SuspendGuard&) = delete;
    SuspendGuard& operator=(const SuspendGuard&) = delete;

  private:
    Scheduler& s_;
};

}  // namespace gus
