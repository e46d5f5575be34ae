// The simulated platform: virtual time, a recorded log of what the player would hear and read,
// scripted answers to message boxes. Deterministic; used by tests and the headless runner.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_road.h"
#include "platform/label.h"
#include "platform/modal.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "platform/services.h"
#include "platform/sim/sim_audio.h"
#include "platform/speech.h"

namespace gus {

struct SimEvent {
    enum class Kind { Sound, Text, Box, Beep, Dialog, Close, Speak };
    Kind kind = Kind::Beep;
    Millis t = 0;
    std::string channel;  // Sound
    std::string file;     // Sound: the file name without its folder
    int balance = 0;      // Sound: the channel's settings as the event's handling ended
    int volume = 0;
    std::string label;  // Text
    std::string text;   // Text, Box, Speak
    std::string title;  // Box
    Buttons buttons = Buttons::Ok;
    Answer answer = Answer::Ok;
    std::string window;  // Dialog, Close
};

class SimLog {
  public:
    void add(SimEvent e);
    const std::vector<SimEvent>& events() const { return events_; }
    void clear() { events_.clear(); }
    // Also hand every event to `sink` as it comes (the runner prints them at once).
    void setSink(std::function<void(const SimEvent&)> sink) { sink_ = std::move(sink); }
    void setKeep(bool keep) { keep_ = keep; }

  private:
    std::vector<SimEvent> events_;
    std::function<void(const SimEvent&)> sink_;
    bool keep_ = true;
};

// Local time = the time of day at virtual time 0, advanced by virtual time.
class SimClock : public Clock {
  public:
    explicit SimClock(const Scheduler& s) : s_(s) {}
    void setStart(TimeOfDay t) { start_ = t; }
    TimeOfDay localTime() const override;

  private:
    const Scheduler& s_;
    TimeOfDay start_{12, 0, 0};
};

class SimRandom : public Random {
  public:
    void seed(std::int32_t seed) override {
        lastSeed_ = override_ ? *override_ : seed;
        engine_.seed(*lastSeed_);
    }
    double next() override;
    void overrideSeed(std::int32_t seed) { override_ = seed; }
    void force(double r) { forced_.push_back(r); }
    std::optional<std::int32_t> lastSeed() const { return lastSeed_; }

  private:
    MersenneRandom engine_;
    std::optional<std::int32_t> override_;
    std::optional<std::int32_t> lastSeed_;
    std::deque<double> forced_;
};

class SimBeeper : public Beeper {
  public:
    SimBeeper(SimLog& log, const Scheduler& s) : log_(log), s_(s) {}
    void beep() override;

  private:
    SimLog& log_;
    const Scheduler& s_;
};

// Boxes answer from a queue (none queued means No, or OK for an OK box), and a test may act
// while a box is "open".
class SimDialogs : public Dialogs {
  public:
    SimDialogs(SimLog& log, const Scheduler& s) : log_(log), s_(s) {}
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override;
    void queueAnswer(Answer a) { answers_.push_back(a); }
    void setOnBox(std::function<void()> fn) { onBox_ = std::move(fn); }

  private:
    SimLog& log_;
    const Scheduler& s_;
    std::deque<Answer> answers_;
    std::function<void()> onBox_;
};

// What the screen reader would say, logged.
class SimScreenReader : public ScreenReader {
  public:
    SimScreenReader(SimLog& log, const Scheduler& s) : log_(log), s_(s) {}
    void say(const std::string& text) override;

  private:
    SimLog& log_;
    const Scheduler& s_;
};

// Everything a simulated window needs, wired together.
struct SimPlatform {
    SimPlatform();
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    // Advances virtual time by `ms`, firing what falls due in order, each tick an event.
    void wait(Millis ms) { scheduler.advanceTo(scheduler.now() + ms); }
    // For a test that calls a game procedure straight, outside the road: an empty event, whose
    // end publishes what the procedure did (sounds started meanwhile are logged).
    void endOfEvent() {
        road.handle([] {});
    }
    Services services() { return services(speech); }
    // The same services with the status spoken by another voice (a test's real screen reader).
    Services services(Speech& voice) {
        return Services{scheduler, audio, clock, random, beeper, dialogs, folder, road, voice};
    }

    Scheduler scheduler;
    SimLog log;
    SimClock clock{scheduler};
    SimRandom random;
    SimBeeper beeper{log, scheduler};
    SimDialogs rawDialogs{log, scheduler};
    SimAudio audio{log, scheduler};
    EventRoad road{scheduler, audio};
    ModalDialogs dialogs{rawDialogs, scheduler, road};
    SimScreenReader reader{log, scheduler};
    Speech speech{road, reader};
    ProgramFolder folder;
};

}  // namespace gus
