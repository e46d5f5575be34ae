// The one way into the program: every input is one event, run to its end, then published.
#pragma once

#include <functional>
#include <vector>

#include "platform/scheduler.h"

namespace gus {

class AudioOutput;

// Every input (a key, a timer tick, a box's answer, a window opening or closing, a runner
// command) enters here. The road brings the timers up to the present, runs the handler, and at
// the end of the event publishes: the event's sound operations reach the mixer at once, then the
// views are refreshed, then the announcer speaks. A box or modal window opened from inside an
// event publishes the event so far before it opens, and the events of its own loop publish by
// themselves. Handlers never commit or refresh on their own.
class EventRoad {
  public:
    // What runs after the sounds are published, in this order.
    enum class Stage { Views, Announcer };

    // Unregisters its function when it goes.
    class Listener {
      public:
        Listener() = default;
        Listener(EventRoad& road, int id) : road_(&road), id_(id) {}
        Listener(Listener&& other) noexcept { *this = std::move(other); }
        Listener& operator=(Listener&& other) noexcept;
        ~Listener() { reset(); }
        void reset();

      private:
        EventRoad* road_ = nullptr;
        int id_ = 0;
    };

    EventRoad(Scheduler& timers, AudioOutput& audio);
    ~EventRoad();
    EventRoad(const EventRoad&) = delete;
    EventRoad& operator=(const EventRoad&) = delete;

    // The present on the timers' clock (under Qt: real time less the time spent in boxes). Unset,
    // the timers' own clock is the present (virtual time).
    void setPresent(std::function<Millis()> present) { present_ = std::move(present); }

    // One input. Called from inside an event, the handler is part of that event.
    void handle(const std::function<void()>& handler);
    // A box or modal window opened from inside an event (or outside one): the event so far is
    // published first, and `open` runs as a gap in which every input is an event of its own.
    void modal(const std::function<void()>& open);
    // End-of-event work at `stage`, for as long as the returned Listener lives. The announcer
    // (what the screen reader speaks) listens at Stage::Announcer, after every view is current.
    [[nodiscard]] Listener listen(Stage stage, std::function<void()> fn);

    bool inEvent() const { return depth_ > 0; }

  private:
    struct Entry {
        int id;
        Stage stage;
        std::function<void()> fn;
    };
    void runEvent(const std::function<void()>& handler);
    void publish();
    void unlisten(int id);

    Scheduler& timers_;
    AudioOutput& audio_;
    std::function<Millis()> present_;
    std::vector<Entry> listeners_;
    int depth_ = 0;
    int nextId_ = 1;
    bool publishing_ = false;
};

}  // namespace gus
