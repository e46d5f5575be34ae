// The one place where tests and the soak build a game window on the simulated platform.
#pragma once

#include <memory>

#include "tools/sim/session.h"

namespace gus::testing {

// A session with the menu's difficulty and a fixed seed, loaded unless asked not to be.
inline std::unique_ptr<SimSession> newSession(Entero difficulty, std::int32_t seed,
                                              bool load = true) {
    auto s = std::make_unique<SimSession>();
    s->dificultad = difficulty;
    s->p.random.overrideSeed(seed);
    if (load) s->load();
    return s;
}

}  // namespace gus::testing
