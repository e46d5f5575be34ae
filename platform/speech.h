// What the player hears from his screen reader: the status text, once an event, as a service.
#pragma once

#include <string>

#include "platform/event_road.h"

namespace gus {

// The screen reader's voice on one platform: says a text now.
class ScreenReader {
  public:
    virtual ~ScreenReader() = default;
    virtual void say(const std::string& text) = 0;
};

// The status text may be written several times in one event and emptied at its end; the player
// hears the latest non-empty words of the event once, when it is over (the road's Announcer
// stage, also when a box or window opens in the middle of the event), and nothing when the
// text was only emptied.
class Speech {
  public:
    Speech(EventRoad& road, ScreenReader& reader);
    Speech(const Speech&) = delete;
    Speech& operator=(const Speech&) = delete;

    // The status text was written.
    void written(const std::string& text);

  private:
    void endOfEvent();

    ScreenReader& reader_;
    std::string latest_;
    EventRoad::Listener listening_;
};

}  // namespace gus
