// The accessibility factory for the program's own widgets.
#include "platform/qt/accessibility.h"

#include "platform/qt/announcement_spot.h"

namespace gus {

namespace {

constexpr const char* kPlainWindow = "gusPlainWindow";

QAccessibleInterface* programWidgetFactory(const QString&, QObject* object) {
    if (auto* text = qobject_cast<AnnouncementText*>(object)) {
        return new AccessibleAnnouncement(text);
    }
    if (auto* spot = qobject_cast<AnnouncementSpot*>(object)) {
        return new QAccessibleWidget(spot, QAccessible::StatusBar);
    }
    if (object->isWidgetType() && object->property(kPlainWindow).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(programWidgetFactory);
}

void exposeAsPlainWindow(QWidget& window) {
    window.setProperty(kPlainWindow, true);
    // Qt may have made the window's accessible object already, as a dialog, before it was
    // marked; then the next one asked for comes from our factory.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&window);
    if (made != nullptr && made->role() != QAccessible::Window) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

AccessibleAnnouncement::AccessibleAnnouncement(AnnouncementText* text)
    : QAccessibleWidget(text, QAccessible::Notification) {}

QString AccessibleAnnouncement::text(QAccessible::Text t) const {
    // The name is the words announced; a description would be spoken after them.
    if (t == QAccessible::Name) return static_cast<const AnnouncementText*>(widget())->text();
    return {};
}

}  // namespace gus
