// The game's two labels as Qt labels: the position label, and the status label that is spoken.
#pragma once

#include <QLabel>

#include "platform/label.h"
#include "platform/qt/announcing_label.h"
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

class SpokenLabelView : public LabelView {
  public:
    explicit SpokenLabelView(AnnouncingLabel& label) : label_(label) {}
    void captionChanged(const std::string& caption) override {
        label_.announce(displayText(caption));
    }

  private:
    AnnouncingLabel& label_;
};

}  // namespace gus
