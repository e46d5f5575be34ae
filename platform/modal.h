// Message boxes and modal windows with the game's timers held still while they are open.
#pragma once

#include "platform/event_road.h"
#include "platform/scheduler.h"
#include "platform/services.h"

namespace gus {

// The one rule of both backends: while a box or a modal window of the game is open no game
// timer fires, and the timers resume afterwards with the time they had left. The event that
// opens it is published first (see event_road.h), so the player hears its sounds and sees the
// board as it is while he reads the box.
class ModalDialogs : public Dialogs {
  public:
    ModalDialogs(Dialogs& inner, Scheduler& timers, EventRoad& road)
        : inner_(inner), timers_(timers), road_(road) {}

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override {
        Answer answer = Answer::Ok;
        road_.modal([&] {
            SuspendGuard hold(timers_);
            answer = inner_.messageBox(text, title, buttons);
        });
        return answer;
    }
    void showModal(const std::string& window) override {
        road_.modal([&] {
            SuspendGuard hold(timers_);
            inner_.showModal(window);
        });
    }

  private:
    Dialogs& inner_;
    Scheduler& timers_;
    EventRoad& road_;
};

}  // namespace gus
