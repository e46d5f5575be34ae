// CPU share and peak memory of the real program idling on its menu with the music looping.
#pragma once

#include <string>

namespace gus::bench {

// Runs `program` on SDL's dummy driver, lets it settle, then measures over `seconds`.
int measureMenuUsage(const std::string& program, double seconds);

}  // namespace gus::bench
