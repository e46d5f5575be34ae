// What the program adds to Qt's accessibility: the status label exposed as a notification.
#pragma once

#include <QAccessibleWidget>

namespace gus {

class AnnouncingLabel;

// Installs the factory that exposes every AnnouncingLabel as a notification. Call once, after
// the QApplication exists and before any window is shown.
void installAccessibility();

class AccessibleAnnouncingLabel : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncingLabel(AnnouncingLabel* label);
    QString text(QAccessible::Text t) const override;
};

}  // namespace gus
