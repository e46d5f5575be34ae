// What the program's windows share: the game's services and the way a window is shown modally.
#pragma once

#include <functional>

#include "platform/audio_output.h"
#include "platform/qt/announcer.h"
#include "platform/scheduler.h"
#include "platform/services.h"

class QDialog;

namespace gus {

struct FrontendServices {
    Scheduler& timers;
    AudioOutput& audio;
    const Clock& clock;
    Random& random;
    Beeper& beeper;
    Dialogs& dialogs;  // boxes and windows the game opens, with its timers held still
    ProgramFolder folder;
    // Brings the game's timers to the present, so a timer enabled by a key counts from the key.
    std::function<void()> syncTimers;
    // Shows a window modally and returns when it has closed (exec(); tests script it instead).
    std::function<void(QDialog&)> runModal;
};

// What one event leaves for the player: its sounds go to the mixer together, and the latest
// status it wrote to the screen reader.
inline void endOfEvent(AudioOutput& audio) {
    audio.commit();
    Announcer::program().endOfEvent();
}

// Sounds changed while handling one event reach the mixer together when the outermost handler
// ends, however many handlers the event runs through.
class EventScope {
  public:
    explicit EventScope(AudioOutput& audio) : audio_(audio) { ++depth_; }
    ~EventScope() {
        if (--depth_ == 0) endOfEvent(audio_);
    }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

    // A modal window runs an event loop of its own inside the event that opened it: its events
    // commit by themselves, and the opening event goes on afterwards.
    class ModalGap {
      public:
        ModalGap() : saved_(depth_) { depth_ = 0; }
        ~ModalGap() { depth_ = saved_; }
        ModalGap(const ModalGap&) = delete;
        ModalGap& operator=(const ModalGap&) = delete;

      private:
        int saved_;
    };

  private:
    AudioOutput& audio_;
    static inline int depth_ = 0;
};

// Hands the sounds and the status of the event so far to the player, then shows the window
// modally.
inline void showModally(FrontendServices& s, QDialog& window) {
    endOfEvent(s.audio);
    EventScope::ModalGap gap;
    s.runModal(window);
}

}  // namespace gus
