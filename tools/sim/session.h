// A game window on the simulated platform: what the headless runner and the tests drive.
#pragma once

#include <functional>
#include <string>

#include "game/form1.h"
#include "platform/sim/sim_platform.h"

namespace gus {

class SimSession : public GameWindowHost {
  public:
    SimSession();

    // The menu loads the game window (Form_Load runs); unload closes it as the window would.
    void load();
    void unload();
    // A key-down on the key receiver; a closed window takes no key. Each is one event.
    void key(Entero code, Entero shift = 0);
    // A change made from outside the game (the runner's `set`), as one event.
    void change(const std::function<void()>& fn) { p.road.handle(fn); }
    void wait(Millis ms) { p.wait(ms); }

    LabelView* labelView(const std::string& label) override;
    void drawMarks() override {}
    void focusKeyReceiver() override {}
    void closeWindow() override;

    SimPlatform p;
    Entero dificultad = 1;  // FormIni.Dificultad as the menu would give it
    Form1 form;

  private:
    class TextLog : public LabelView {
      public:
        TextLog(SimSession& s, std::string label) : s_(s), label_(std::move(label)) {}
        void captionChanged(const std::string& caption) override;

      private:
        SimSession& s_;
        std::string label_;
    };
    TextLog label1_{*this, "Label1"};
    TextLog label2_{*this, "Label2"};
};

}  // namespace gus
