// Ordered firing of the program's timers over pushed-in time.
#include "platform/scheduler.h"

namespace gus {

Scheduler::TimerId Scheduler::add(std::function<void()> onTick, int intervalMs) {
    TimerId id;
    if (!freeIds_.empty() && !firing_) {
        id = freeIds_.back();
        freeIds_.pop_back();
    } else {
        id = static_cast<TimerId>(entries_.size());
        entries_.emplace_back();
    }
    Entry& e = entries_[static_cast<std::size_t>(id)];
    e = Entry{};
    e.onTick = std::move(onTick);
    e.interval = intervalMs;
    e.alive = true;
    return id;
}

void Scheduler::remove(TimerId id) {
    Entry& e = entries_.at(static_cast<std::size_t>(id));
    if (!e.alive) return;
    e.alive = false;
    e.enabled = false;
    ++e.generation;
    // A handler may remove its own timer: its function stays until the slot is reused, and a
    // slot is never reused while ticks are firing.
    freeIds_.push_back(id);
    changed();
}

void Scheduler::arm(Entry& e) {
    e.due = now_ + e.interval;
    e.order = nextOrder_++;
}

void Scheduler::setEnabled(TimerId id, bool enabled) {
    Entry& e = entries_.at(static_cast<std::size_t>(id));
    if (!e.alive || e.enabled == enabled) return;
    e.enabled = enabled;
    ++e.generation;
    if (enabled) arm(e);
    changed();
}

bool Scheduler::enabled(TimerId id) const {
    const Entry& e = entries_.at(static_cast<std::size_t>(id));
    return e.alive && e.enabled;
}

void Scheduler::setInterval(TimerId id, int intervalMs) {
    Entry& e = entries_.at(static_cast<std::size_t>(id));
    if (!e.alive) return;
    e.interval = intervalMs;
    // A timer enabled with a useless interval waits for a real one, armed from now.
    if (e.enabled && e.due <= now_) arm(e);
    changed();
}

int Scheduler::interval(TimerId id) const {
    return entries_.at(static_cast<std::size_t>(id)).interval;
}

int Scheduler::nextToFire(Millis limit) const {
    int best = -1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        // An interval of 0 or less never fires, as in the window systems the game knows.
        if (!e.alive || !e.enabled || e.interval <= 0 || e.due > limit) continue;
        if (best < 0) {
            best = static_cast<int>(i);
            continue;
        }
        const Entry& b = entries_[static_cast<std::size_t>(best)];
        if (e.due < b.due || (e.due == b.due && e.order < b.order)) best = static_cast<int>(i);
    }
    return best;
}

void Scheduler::advanceTo(Millis gameTime) {
    if (firing_ || suspended()) return;
    firing_ = true;
    for (;;) {
        if (suspended()) break;
        const int id = nextToFire(gameTime);
        if (id < 0) break;
        Entry& e = entries_[static_cast<std::size_t>(id)];
        now_ = e.due;
        const std::uint64_t generation = e.generation;
        if (tickRunner_) {
            tickRunner_(e.onTick);
        } else {
            e.onTick();
        }
        if (e.alive && e.enabled && e.generation == generation) {
            e.due += e.interval;
            e.order = nextOrder_++;
        }
    }
    if (!suspended() && gameTime > now_) now_ = gameTime;
    firing_ = false;
    changed();
}

std::optional<Millis> Scheduler::nextDue() const {
    std::optional<Millis> best;
    for (const Entry& e : entries_) {
        if (!e.alive || !e.enabled || e.interval <= 0) continue;
        if (!best || e.due < *best) best = e.due;
    }
    return best;
}

void Scheduler::suspend() {
    if (suspendDepth_++ == 0 && onSuspend_) onSuspend_(true);
}

void Scheduler::resume() {
    if (suspendDepth_ == 0) return;
    if (--suspendDepth_ == 0) {
        if (onSuspend_) onSuspend_(false);
        changed();
    }
}

std::size_t Scheduler::liveTimerCount() const {
    std::size_t n = 0;
    for (const Entry& e : entries_) n += e.alive ? 1 : 0;
    return n;
}

void Scheduler::changed() {
    if (onChange_) onChange_();
}

}  // namespace gus
