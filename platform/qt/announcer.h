// The one way the program speaks to the player through the screen reader, from every window.
#pragma once

#include <QString>

#include "platform/event_road.h"

class QWidget;

namespace gus {

// The status label may be written several times in one event, and cleared at its end; the
// screen reader hears the latest words once, when the event is over. What was announced is
// kept apart from what the label shows, so the screen reader reads the words it was told even
// if the label has moved on by the time it gets to them.
class Announcer {
  public:
    // The program's one announcer.
    static Announcer& program();

    // The status label was written.
    void written(const QString& text);
    // The event is over, or a box or window is about to open from inside it: the latest
    // non-empty text written since the last announcement is spoken, once.
    void endOfEvent();
    // Speaks the text now, from the window on top of the program.
    void announce(const QString& text);
    // Speaks the text now, from the given window.
    void announceIn(QWidget* window, const QString& text);

    // Speaks at the end of every event of the road, after the views are current, for as long as
    // the returned listener lives.
    [[nodiscard]] EventRoad::Listener speakAtEndOfEvents(EventRoad& road);

    const QString& lastAnnounced() const { return last_; }
    int announcements() const { return count_; }

  private:
    QString latest_;
    bool pending_ = false;
    QString last_;
    int count_ = 0;
};

}  // namespace gus
