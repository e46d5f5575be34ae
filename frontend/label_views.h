// A game label as a Qt label: the status is spoken by the game session, not by its view.
#pragma once

#include <QLabel>

#include "platform/label.h"
#include "platform/qt/qt_dialogs.h"

namespace gus {

class PlainLabelView : public LabelView {
  public:
    explicit PlainLabelView(QLabel& label) : label_(label) {}
    void captionChanged(const std::string& caption) override {
        label_.setText(displayText(caption));
    }

  private:
    QLabel& label_;
};

}  // namespace gus
