// Shows the new status text in a way assistive technologies report.
#include "platform/qt/announcing_label.h"

#include <QtGlobal>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessible>
#include <QAccessibleAnnouncementEvent>
#endif

namespace gus {

AnnouncingLabel::AnnouncingLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // The label blinks out for an instant at every change: the layout must not move meanwhile.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

void AnnouncingLabel::announce(const QString& text) {
    // A status wiped clean has nothing to say.
    if (text.isEmpty()) {
        setText(text);
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    setText(text);
    QAccessibleAnnouncementEvent event(this, text);
    QAccessible::updateAccessibility(&event);
#else
    // A notification that appears again is what a screen reader speaks without the focus.
    setVisible(false);
    setText(text);
    setVisible(true);
#endif
}

}  // namespace gus
