// The accessibility factory for the program's own widgets.
#include "platform/qt/accessibility.h"

#include "platform/qt/announcing_label.h"

namespace gus {

namespace {

QAccessibleInterface* programWidgetFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<AnnouncingLabel*>(object)) {
        return new AccessibleAnnouncingLabel(label);
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

AccessibleAnnouncingLabel::AccessibleAnnouncingLabel(AnnouncingLabel* label)
    : QAccessibleWidget(label, QAccessible::Notification) {}

QString AccessibleAnnouncingLabel::text(QAccessible::Text t) const {
    const QString own = QAccessibleWidget::text(t);
    if (t != QAccessible::Name || !own.isEmpty()) return own;
    // The name a screen reader speaks is the status text itself.
    return static_cast<const QLabel*>(widget())->text();
}

}  // namespace gus
