// A status bar and its two notifications, all without size, in the window they speak from.
#include "platform/qt/announcement_spot.h"

#include <QAccessible>

namespace gus {

AnnouncementText::AnnouncementText(QWidget* parent) : QWidget(parent) {
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    // Shown for the first time by an announcement, not with the window: a notification shown
    // empty would be read with the first text twice.
    hide();
}

AnnouncementSpot::AnnouncementSpot(QWidget* window)
    : QWidget(window), texts_{new AnnouncementText(this), new AnnouncementText(this)} {
    setObjectName(QStringLiteral("Anuncios"));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    show();
}

void AnnouncementSpot::say(const QString& text) {
    AnnouncementText* before = texts_[last_];
    last_ = 1 - last_;
    AnnouncementText* now = texts_[last_];
    now->hide();
    now->setText(text);
    // A screen reader may keep the name it last read: it hears of the new one before the
    // notification shows, so the showing carries its own words.
    QAccessibleEvent named(now, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    now->show();
    before->hide();
}

void AnnouncementSpot::hideEvent(QHideEvent* event) {
    // The window is closing: a notification left showing would show again with the window and
    // be spoken then, words of a past game.
    for (AnnouncementText* text : texts_) text->hide();
    QWidget::hideEvent(event);
}

}  // namespace gus
