// Announcements through a notification in the window on top, or through Qt's own announcement
// event where Qt has one.
#include "platform/qt/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include "platform/qt/announcement_spot.h"
#include "platform/qt/qt_dialogs.h"

// Qt 6.8's announcement event is what Orca 48 speaks cleanly: through the notifications it says
// the role word "notificación" on its own and, from its name cache, an earlier text. Qt 6.4 has
// no such event; Orca 43 speaks its notifications as meant.
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

// Since Qt 6.8 the screen reader hears from Qt itself the object that gets the keyboard focus
// and the new name of the focused one: words that the focused object carries as its name are
// said already, and an announcement of them would say them twice.
bool focusSaysIt(const QString& text) {
#ifdef GUS_QT_ANNOUNCEMENTS
    QWidget* focus = QApplication::focusWidget();
    QAccessibleInterface* object = focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
    if (object == nullptr) return false;
    if (QAccessibleInterface* child = object->focusChild()) object = child;
    return object->text(QAccessible::Name) == text;
#else
    Q_UNUSED(text);
    return false;
#endif
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
    if (held_) {
        waiting_.push_back({window, text});
        return;
    }
    sayIn(window, text);
}

void Announcer::setHeld(bool held) {
    held_ = held;
    if (held_) return;
    if (letting_ != nullptr) letting_->quit();
    std::vector<Waiting> waiting;
    waiting.swap(waiting_);
    // A window closed meanwhile has no voice left: its words are kept as said, but not spoken.
    for (const Waiting& w : waiting) sayIn(w.window, w.text);
}

void Announcer::letHeldWordsOut() {
    if (!held_ || letting_ != nullptr) return;
    QEventLoop loop;
    letting_ = &loop;
    QTimer::singleShot(250, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    letting_ = nullptr;
    setHeld(false);
}

void Announcer::sayIn(QWidget* window, const QString& text) {
    last_ = text;
    ++count_;
    if (window == nullptr || focusSaysIt(text)) return;
#ifdef GUS_QT_ANNOUNCEMENTS
    QAccessibleAnnouncementEvent event(window->window(), text);
    QAccessible::updateAccessibility(&event);
#else
    spotOf(*window->window()).say(text);
#endif
}

}  // namespace gus
