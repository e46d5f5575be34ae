// What the program adds to Qt's accessibility: the announcements' status bar and notification,
// and the windows the screen reader names no more than once.
#pragma once

#include <QAccessibleWidget>

namespace gus {

class AnnouncementText;

// Installs the factory for the program's own accessible objects. Call once, after the
// QApplication exists and before any window is shown.
void installAccessibility();

// Exposes the window as a plain window (a frame) rather than a dialog or, on Qt 6.8, a filler:
// Orca puts a dialog's name in front of every notification spoken from it ("GUSANICIDA
// diálogo"), and does not name a filler the focus comes back to. Call before it is shown.
void exposeAsPlainWindow(QWidget& window);

class AccessibleAnnouncement : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncement(AnnouncementText* text);
    QString text(QAccessible::Text t) const override;
};

}  // namespace gus
