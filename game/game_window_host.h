// What the game window asks of the window it is shown in, with its labels and windows typed.
#pragma once

#include "platform/label.h"

namespace gus {

// The game window's labels: Label1 the player's position, Label2 the status the player hears.
enum class LabelId { Label1, Label2 };
// The windows the game opens: Form1 itself, and the end-of-game dialog after the last phase.
enum class WindowId { Form1, Dialog2 };

// The names the program's windows and logs show them under.
constexpr const char* nameOf(LabelId label) {
    return label == LabelId::Label1 ? "Label1" : "Label2";
}
constexpr const char* nameOf(WindowId window) {
    return window == WindowId::Form1 ? "Form1" : "Dialog2";
}

// A host gives the game its views and windows; it holds no rule of the game window (the session
// does, see game_session.h).
class GameWindowHost {
  public:
    virtual ~GameWindowHost() = default;
    // The view that mirrors the label, or none.
    virtual LabelView* labelView(LabelId label) = 0;
    virtual void drawMarks() = 0;  // DibujaMarcas: two figures with no game meaning
    virtual void focusKeyReceiver() = 0;
    // The game closed its own window (the game is over).
    virtual void closeWindow() = 0;
    // Shows the window modally and returns when it has closed; the game's timers stand still
    // meanwhile (the session's wrapper holds them).
    virtual void showWindow(WindowId window) = 0;
};

}  // namespace gus
