// The headless runner's output: recorded events and the game window's state as JSON lines.
#pragma once

#include <string>

#include "platform/sim/sim_platform.h"

namespace gus {

class SimSession;

std::string eventJson(const SimEvent& e);
std::string stateJson(const SimSession& session);

}  // namespace gus
