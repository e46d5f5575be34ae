// A status label whose every change a screen reader speaks, wherever the keyboard focus is.
#pragma once

#include <QLabel>

namespace gus {

// Orca and NVDA read a plain label only when it has the focus, and the player keeps the focus
// on the board. Exposed as a notification (see accessibility.h), a label that is shown again
// with new text is spoken at once; Qt 6.8 and later announce the text directly instead.
class AnnouncingLabel : public QLabel {
    Q_OBJECT

  public:
    explicit AnnouncingLabel(QWidget* parent = nullptr);

    void announce(const QString& text);
};

}  // namespace gus
