// A game window on the simulated platform: what the headless runner and the tests drive.
#pragma once

#include <functional>
#include <string>

#include "game/game_session.h"
#include "platform/sim/sim_platform.h"

namespace gus {

// The simulated host of a game session: its labels, windows and closing written to the log.
class SimSession : public GameWindowHost {
  public:
    SimSession();

    // The menu loads the game window (Form_Load runs); unload closes it as its close control
    // would. Each is one event.
    void load() { game.load(); }
    void unload();
    // A key-down on the key receiver; a closed window takes no key. One event.
    void key(Entero code, Entero shift = 0) { game.key(code, shift); }
    // A change made from outside the game (the runner's `set`), as one event.
    void change(const std::function<void()>& fn) { p.road.handle(fn); }
    void wait(Millis ms) { p.wait(ms); }

    LabelView* labelView(LabelId label) override;
    void drawMarks() override {}
    void focusKeyReceiver() override {}
    void closeWindow() override;
    void showWindow(WindowId window) override;

    SimPlatform p;
    Entero dificultad = 1;  // FormIni.Dificultad as the menu would give it
    GameSession game;
    Form1& form = game.form();

  private:
    class TextLog : public LabelView {
      public:
        TextLog(SimSession& s, LabelId label) : s_(s), label_(label) {}
        void captionChanged(const std::string& caption) override;

      private:
        SimSession& s_;
        LabelId label_;
    };
    void logWindow(SimEvent::Kind kind, WindowId window);

    TextLog label1_{*this, LabelId::Label1};
    TextLog label2_{*this, LabelId::Label2};
};

}  // namespace gus
