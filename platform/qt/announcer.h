// The one way the program speaks to the player through the screen reader, from every window.
#pragma once

#include <QEventLoop>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/speech.h"

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

    // While held, what is announced waits, and is said in order when the hold ends: the screen
    // reader silences itself on every key press it hears, and would cut words said before it has
    // heard the key that caused them.
    void setHeld(bool held);
    bool held() const { return held_; }
    // Before a window opens: lets the held words out first, once the hold ends or at the latest
    // after a quarter of a second. Typed keys wait meanwhile.
    void letHeldWordsOut();

    const QString& lastAnnounced() const { return last_; }
    int announcements() const { return count_; }

  private:
    struct Waiting {
        QPointer<QWidget> window;
        QString text;
    };
    void sayIn(QWidget* window, const QString& text);

    QString last_;
    int count_ = 0;
    bool held_ = false;
    std::vector<Waiting> waiting_;
    QEventLoop* letting_ = nullptr;
};

}  // namespace gus
