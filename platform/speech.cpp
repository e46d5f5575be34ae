// The status text's rule: the latest non-empty words of an event, spoken once at its end.
#include "platform/speech.h"

namespace gus {

Speech::Speech(EventRoad& road, ScreenReader& reader)
    : reader_(reader),
      listening_(road.listen(EventRoad::Stage::Announcer, [this] { endOfEvent(); })) {}

void Speech::written(const std::string& text) {
    if (!text.empty()) latest_ = text;
}

void Speech::endOfEvent() {
    if (latest_.empty()) return;
    // Emptied first: the reader may start an event of its own (a box) while it speaks.
    const std::string text = std::move(latest_);
    latest_.clear();
    reader_.say(text);
}

}  // namespace gus
