// One game window as every host runs it: the window's protocol written once.
#pragma once

#include <functional>

#include "game/form1.h"
#include "game/game_window_host.h"
#include "platform/services.h"

namespace gus {

// Loading and unloading the window, each key in the window's order, the labels' views, the status
// text handed to the screen reader's service, and the end window opened with the game's timers
// held. The program's window, the headless runner and the benchmarks are hosts of a session:
// views and windows only. Every call here is one event of the road.
class GameSession : private GameWindowHost {
  public:
    GameSession(const Services& services, GameWindowHost& host,
                std::function<Entero()> dificultadDelMenu);
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The menu loads the window: its controls are made and Form_Load runs.
    void load();
    // The window is closed from outside (its close control, the runner): the game is abandoned,
    // every timer and sound stops. Nothing happens to a window that is not loaded.
    void unload();
    // A key-down: Form_KeyDown first (the form sees every key before its controls), then
    // Picture1_KeyDown when Picture1 has the focus and the first handler left the window open. A
    // window that is not loaded takes no key.
    void key(Entero code, Entero shift, bool toPicture1 = true);

    bool loaded() const { return form_.cargada(); }
    Form1& form() { return form_; }
    const Form1& form() const { return form_; }

  private:
    // Label2: the host's view, and every write handed to the speech service.
    class StatusView : public LabelView {
      public:
        explicit StatusView(Speech& speech) : speech_(speech) {}
        void captionChanged(const std::string& caption) override;
        LabelView* shown = nullptr;

      private:
        Speech& speech_;
    };

    // What Form1 asks of its window.
    LabelView* labelView(LabelId label) override;
    void drawMarks() override { host_.drawMarks(); }
    void focusKeyReceiver() override { host_.focusKeyReceiver(); }
    void closeWindow() override { host_.closeWindow(); }
    void showWindow(WindowId window) override;

    Services s_;
    GameWindowHost& host_;
    StatusView status_;
    Form1 form_;  // last: it goes before the views it writes to
};

}  // namespace gus
