// The local time of day from Qt, for the game's random seed.
#pragma once

#include "platform/services.h"

namespace gus {

class QtClock : public Clock {
  public:
    TimeOfDay localTime() const override;
};

}  // namespace gus
