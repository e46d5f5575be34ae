// The game's two labels as Qt labels: the position label, and the status label that is spoken.
#pragma once

#include <QLabel>

#include "platform/label.h"
#include "platform/qt/announcer.h"
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

// Label2: every write is kept, and the latest one of an event is shown and announced once, at
// the end of the event (the road's announcer stage), so several writes in one key are one
// utterance with all of their text.
class SpokenLabelView : public LabelView {
  public:
    explicit SpokenLabelView(QLabel& label) : label_(label) {}
    void captionChanged(const std::string& caption) override {
        const QString text = displayText(caption);
        label_.setText(text);
        Announcer::program().written(text);
    }

  private:
    QLabel& label_;
};

}  // namespace gus
