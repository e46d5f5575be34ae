// Where a window's announcements wait for the screen reader: a status bar holding notifications.
#pragma once

#include <QWidget>
#include <array>

namespace gus {

// A notification: its accessible name is the text it announced, kept until it announces
// again, because the screen reader reads the name when it gets to the event, not when the event
// was raised. It takes no room and draws nothing: the window shows the same words itself.
class AnnouncementText : public QWidget {
    Q_OBJECT

  public:
    explicit AnnouncementText(QWidget* parent);
    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

  private:
    QString text_;
};

// The status bar around the notifications: inside one, Orca leaves out the word "notificación".
class AnnouncementSpot : public QWidget {
    Q_OBJECT

  public:
    explicit AnnouncementSpot(QWidget* window);
    // Shows a notification with the new text: what a screen reader speaks without the keyboard
    // focus. Two take turns, so that the one shown goes to the screen reader before the other
    // one is hidden, and the screen reader speaks before it handles the hiding.
    void say(const QString& text);
    // The notification that announced last.
    AnnouncementText* notification() const { return texts_[last_]; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    std::array<AnnouncementText*, 2> texts_;
    std::size_t last_ = 0;
};

}  // namespace gus
