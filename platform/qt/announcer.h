// The one way the program speaks to the player through the screen reader, from every window.
#pragma once

#include <QString>
#include <string>

#include "platform/speech.h"

class QWidget;

namespace gus {

// The screen reader's voice under Qt. What was announced is kept apart from what the labels show,
// so the screen reader reads the words it was told even if a label has moved on by the time it
// gets to them. When the status text is spoken is the speech service's rule (platform/speech.h).
class Announcer : public ScreenReader {
  public:
    // The program's one announcer.
    static Announcer& program();

    // Speaks the game's text now, from the window on top of the program.
    void say(const std::string& text) override;
    // Speaks the text now, from the window on top of the program.
    void announce(const QString& text);
    // Speaks the text now, from the given window.
    void announceIn(QWidget* window, const QString& text);

    const QString& lastAnnounced() const { return last_; }
    int announcements() const { return count_; }

  private:
    QString last_;
    int count_ = 0;
};

}  // namespace gus
