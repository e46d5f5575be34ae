// Where a window's announcements wait for the screen reader: a status bar holding one notification.
#pragma once

#include <QWidget>

namespace gus {

// The notification itself: its accessible name is the text last announced, and it keeps that
// text until the next announcement, because the screen reader reads the name when it gets to
// the event, not when the event was raised. It takes no room and draws nothing: the window
// shows the same words in its own labels.
class AnnouncementText : public QWidget {
    Q_OBJECT

  public:
    explicit AnnouncementText(QWidget* parent);
    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

  private:
    QString text_;
};

// The status bar around the notification: inside one, Orca leaves out the word "notificación".
class AnnouncementSpot : public QWidget {
    Q_OBJECT

  public:
    explicit AnnouncementSpot(QWidget* window);
    // Shows the notification again with the new text: what a screen reader speaks without the
    // keyboard focus.
    void say(const QString& text);
    AnnouncementText* notification() const { return text_; }

  private:
    AnnouncementText* text_;
};

}  // namespace gus
