// The whole program wired together: timers, services, the screen reader and the start menu.
#pragma once

#include <memory>

#include "platform/event_road.h"
#include "platform/modal.h"
#include "platform/qt/announcer.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/scheduler_driver.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "platform/speech.h"

namespace gus {

class FormIni;

class Program {
  public:
    Program(AudioOutput& audio, Beeper& beeper, ProgramFolder folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the menu in the middle of the screen; the program ends when the menu closes.
    void start();
    FormIni& menu() { return *menu_; }
    EventRoad& road() { return road_; }

  private:
    Scheduler timers_;
    SchedulerDriver driver_{timers_};
    EventRoad road_;
    Speech speech_{road_, Announcer::program()};
    QtClock clock_;
    ProgramRandom random_;
    QtDialogs boxes_;
    ModalDialogs dialogs_{boxes_, timers_, road_};
    Services services_;
    std::unique_ptr<FormIni> menu_;
};

}  // namespace gus
