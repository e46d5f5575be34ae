// Message boxes as Qt message boxes, and the game's modal windows through the window that owns
// them.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "platform/services.h"

class QWidget;

namespace gus {

// The size of the text of boxes and dialogs, for players who still see a little.
inline constexpr int kDialogPointSize = 14;

// Plain text as a Qt widget shows it: the game writes its line breaks as "\r\n".
QString displayText(const std::string& text);

class QtDialogs : public Dialogs {
  public:
    using WindowOpener = std::function<void(const std::string& window)>;

    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override;
    void showModal(const std::string& window) override;

    // The windows belong to the menu; it opens them when the game asks.
    void setWindowOpener(WindowOpener opener) { opener_ = std::move(opener); }

  private:
    WindowOpener opener_;
};

// The window a new box or dialog belongs to: the modal window on top, else the active one.
QWidget* topWindow();

}  // namespace gus
