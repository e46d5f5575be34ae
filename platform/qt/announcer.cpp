// Announcements through a notification in the window on top, or through Qt's own announcement
// event where Qt has one.
#include "platform/qt/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>
#include <QtGlobal>

#include "platform/qt/announcement_spot.h"
#include "platform/qt/qt_dialogs.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define GUS_QT_ANNOUNCEMENTS 1
#include <QAccessibleAnnouncementEvent>
#endif

namespace gus {

namespace {

QWidget* speakingWindow() {
    if (QWidget* top = topWindow()) return top;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) return w;
    }
    return nullptr;
}

#ifndef GUS_QT_ANNOUNCEMENTS
AnnouncementSpot& spotOf(QWidget& window) {
    auto* spot = window.findChild<AnnouncementSpot*>(QString(), Qt::FindDirectChildrenOnly);
    return spot != nullptr ? *spot : *new AnnouncementSpot(&window);
}
#endif

}  // namespace

Announcer& Announcer::program() {
    static Announcer one;
    return one;
}

void Announcer::say(const std::string& text) {
    announce(displayText(text));
}

void Announcer::announce(const QString& text) {
    announceIn(speakingWindow(), text);
}

void Announcer::announceIn(QWidget* window, const QString& text) {
    if (text.isEmpty()) return;
    last_ = text;
    ++count_;
    if (window == nullptr) return;
#ifdef GUS_QT_ANNOUNCEMENTS
    QAccessibleAnnouncementEvent event(window->window(), text);
    QAccessible::updateAccessibility(&event);
#else
    spotOf(*window->window()).say(text);
#endif
}

}  // namespace gus
