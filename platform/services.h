// The small services the game and its windows ask of the platform, one interface each.
#pragma once

#include <cstdint>
#include <string>

namespace gus {

struct TimeOfDay {
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual TimeOfDay localTime() const = 0;
};

// One generator per program; uniform numbers in [0, 1).
class Random {
  public:
    virtual ~Random() = default;
    virtual void seed(std::int32_t seed) = 0;
    virtual double next() = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Message boxes. Callers go through Dialogs, never straight to a backend: the game's timers
// stand still while a box is open (see modal.h).
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // An empty title means the program's title, "GUSANICIDA".
    virtual Answer messageBox(const std::string& text, const std::string& title,
                              Buttons buttons) = 0;
};

inline constexpr const char* kProgramTitle = "GUSANICIDA";

// The folder that holds the program file, and the separator of this system's paths.
struct ProgramFolder {
    std::string path;
    char separator = '/';
};

class AudioOutput;
class EventRoad;
class Scheduler;
class Speech;

// Everything a window of the program asks of the platform.
struct Services {
    Scheduler& timers;
    AudioOutput& audio;
    const Clock& clock;
    Random& random;
    Beeper& beeper;
    Dialogs& dialogs;  // already holds the game's timers while a box is open
    ProgramFolder folder;
    EventRoad& road;  // every input of every window enters here
    Speech& speech;   // the status text as the screen reader says it
};

}  // namespace gus
