// The game window wired to the real audio output, the way the program wires it, minus the screen.
#pragma once

#include "bench/audio/timed_output.h"
#include "game/form1.h"
#include "platform/event_road.h"
#include "platform/modal.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

// Game time stands still (no timer fires), so only the keys the benchmark gives change the
// board: no worm can reach the player and end the walk half way.
class GameOnRealAudio : public GameWindowHost {
  public:
    explicit GameOnRealAudio(int bufferFrames);
    ~GameOnRealAudio() override;

    // False without an audio device or without the game's sounds beside this program.
    bool ready() const;
    // Loads the window, then puts `worms` worms on the top rows, far from the player's row.
    void start(int worms);
    // One key event as the window delivers it: the key handler, then the end of the event.
    void key(Entero keyCode);
    // A worm's timer tick as far as sound goes: its step, placed, at the end of an event.
    void wormSteps(int slot);

    Form1& form() { return form_; }
    SdlAudioOutput& output() { return out_; }
    TimedOutput& timed() { return timed_; }

    LabelView* labelView(const std::string& label) override;
    void drawMarks() override {}
    void focusKeyReceiver() override {}
    void closeWindow() override {}

  private:
    class NoonClock : public Clock {
        TimeOfDay localTime() const override { return {12, 0, 0}; }
    };
    class NoAnswers : public Dialogs {
        Answer messageBox(const std::string&, const std::string&, Buttons b) override {
            return b == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
        void showModal(const std::string&) override {}
    };
    class Unseen : public LabelView {
        void captionChanged(const std::string&) override {}
    };

    Scheduler timers_;
    SdlAudioOutput out_;
    TimedOutput timed_{out_};
    NoonClock clock_;
    MersenneRandom random_;
    NoAnswers noAnswers_;
    EventRoad road_{timers_, timed_};
    ModalDialogs dialogs_{noAnswers_, timers_, road_};
    Unseen unseen_;
    Form1 form_;  // last: its channels give their voices back before the output goes
};

}  // namespace gus::bench
