// Message boxes as Qt message boxes.
#pragma once

#include <QString>
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
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons) override;
};

// The window a new box or dialog belongs to: the modal window on top, else the active one.
QWidget* topWindow();

}  // namespace gus
