// The whole program wired together: timers, services and the start menu.
#pragma once

#include <memory>
#include <optional>

#include "platform/event_road.h"
#include "platform/modal.h"
#include "platform/qt/announcer.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/scheduler_driver.h"
#include "platform/random.h"
#include "platform/scheduler.h"

namespace gus {

class FormIni;

// The game seeds its numbers from the clock. The screen reader's test replays one game: it
// fixes the seed with the environment variable GUSANICIDA_SEMILLA.
class ProgramRandom : public Random {
  public:
    ProgramRandom();
    void seed(std::int32_t seed) override { numbers_.seed(fixed_.value_or(seed)); }
    double next() override { return numbers_.next(); }

  private:
    MersenneRandom numbers_;
    std::optional<std::int32_t> fixed_;
};

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
    EventRoad::Listener speaking_ = Announcer::program().speakAtEndOfEvents(road_);
    QtClock clock_;
    ProgramRandom random_;
    QtDialogs boxes_;
    ModalDialogs dialogs_{boxes_, timers_, road_};
    Services services_;
    std::unique_ptr<FormIni> menu_;
};

}  // namespace gus
