// Message boxes and the game's modal windows with the game's timers held still while open.
#pragma once

#include <functional>

#include "platform/event_road.h"
#include "platform/scheduler.h"
#include "platform/services.h"

namespace gus {

// The one rule of every backend: while a box or a modal window of the game is open no game
// timer fires, and the timers resume afterwards with the time they had left. The event that
// opens it is published first (see event_road.h), so the player hears its sounds and sees the
// board as it is while he reads the box.
inline void runModal(EventRoad& road, Scheduler& timers, const std::function<void()>& open) {
    road.modal([&] {
        SuspendGuard hold(timers);
        open();
    });
}

class ModalDialogs : public Dialogs {
  public:
    ModalDialogs(Dialogs& inner, Scheduler& timers, EventRoad& road)
        : inner_(inner), timers_(timers), road_(road) {}

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override {
        Answer answer = Answer::Ok;
        runModal(road_, timers_, [&] { answer = inner_.messageBox(text, title, buttons); });
        return answer;
    }

  private:
    Dialogs& inner_;
    Scheduler& timers_;
    EventRoad& road_;
};

}  // namespace gus
