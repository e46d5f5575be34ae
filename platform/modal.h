// Message boxes and modal windows with the game's timers held still while they are open.
#pragma once

#include <functional>

#include "platform/scheduler.h"
#include "platform/services.h"

namespace gus {

// The one rule of both backends: while a box or a modal window is open no game timer fires, and
// the timers resume afterwards with the time they had left. Sounds started before the box are
// handed to the mixer first, so the player hears them while he reads it.
class ModalDialogs : public Dialogs {
  public:
    ModalDialogs(Dialogs& inner, Scheduler& timers, std::function<void()> beforeModal)
        : inner_(inner), timers_(timers), beforeModal_(std::move(beforeModal)) {}

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override {
        if (beforeModal_) beforeModal_();
        SuspendGuard hold(timers_);
        return inner_.messageBox(text, title, buttons);
    }
    void showModal(Window w) override {
        if (beforeModal_) beforeModal_();
        SuspendGuard hold(timers_);
        inner_.showModal(w);
    }

  private:
    Dialogs& inner_;
    Scheduler& timers_;
    std::function<void()> beforeModal_;
};

}  // namespace gus
