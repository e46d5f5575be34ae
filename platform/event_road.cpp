// Events run one at a time; their sounds, views and announcements are published together.
#include "platform/event_road.h"

#include <algorithm>
#include <utility>

#include "platform/audio_output.h"

namespace gus {

EventRoad::Listener& EventRoad::Listener::operator=(Listener&& other) noexcept {
    if (this != &other) {
        reset();
        road_ = std::exchange(other.road_, nullptr);
        id_ = other.id_;
    }
    return *this;
}

void EventRoad::Listener::reset() {
    if (road_ != nullptr) road_->unlisten(id_);
    road_ = nullptr;
}

EventRoad::EventRoad(Scheduler& timers, AudioOutput& audio) : timers_(timers), audio_(audio) {
    // Each tick is an event of its own, also a tick that falls due while timers catch up.
    timers_.setTickRunner([this](const std::function<void()>& tick) { runEvent(tick); });
}

EventRoad::~EventRoad() {
    timers_.setTickRunner({});
}

void EventRoad::handle(const std::function<void()>& handler) {
    // A timer enabled by this input counts from now, not from the last tick handled.
    if (depth_ == 0) timers_.advanceTo(present_ ? present_() : timers_.now());
    runEvent(handler);
}

void EventRoad::runEvent(const std::function<void()>& handler) {
    ++depth_;
    handler();
    if (--depth_ == 0) publish();
}

void EventRoad::modal(const std::function<void()>& open) {
    publish();
    const int outer = depth_;
    depth_ = 0;
    open();
    depth_ = outer;
}

void EventRoad::publish() {
    audio_.commit();
    // A listener may go (its window closes) while the others run: it is only marked here.
    publishing_ = true;
    for (const Stage stage : {Stage::Views, Stage::Announcer}) {
        for (std::size_t i = 0; i < listeners_.size(); ++i) {
            if (listeners_[i].stage != stage) continue;
            // A copy: a listener that registers another may move the table under it.
            const std::function<void()> fn = listeners_[i].fn;
            if (fn) fn();
        }
    }
    publishing_ = false;
    std::erase_if(listeners_, [](const Entry& e) { return !e.fn; });
}

EventRoad::Listener EventRoad::listen(Stage stage, std::function<void()> fn) {
    const int id = nextId_++;
    listeners_.push_back(Entry{id, stage, std::move(fn)});
    return Listener(*this, id);
}

void EventRoad::unlisten(int id) {
    const auto it = std::find_if(listeners_.begin(), listeners_.end(),
                                 [id](const Entry& e) { return e.id == id; });
    if (it == listeners_.end()) return;
    if (publishing_) {
        it->fn = nullptr;
    } else {
        listeners_.erase(it);
    }
}

}  // namespace gus
