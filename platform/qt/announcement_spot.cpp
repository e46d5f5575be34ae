// A status bar and its notification, both without size, shown in the window they speak from.
#include "platform/qt/announcement_spot.h"

namespace gus {

AnnouncementText::AnnouncementText(QWidget* parent) : QWidget(parent) {
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
}

AnnouncementSpot::AnnouncementSpot(QWidget* window)
    : QWidget(window), text_(new AnnouncementText(this)) {
    setObjectName(QStringLiteral("Anuncios"));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown for the first time by the first announcement, not by the window: a notification
    // shown empty would be read with the first text twice.
    text_->hide();
    show();
}

void AnnouncementSpot::say(const QString& text) {
    text_->hide();
    text_->setText(text);
    text_->show();
}

}  // namespace gus
