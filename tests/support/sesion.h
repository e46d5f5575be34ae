// The one place where tests and the soak build a game window on the simulated platform.
#pragma once

#include <memory>

#include "tools/sim/session.h"

namespace gus::testing {

// A session with the menu's difficulty and a fixed seed, loaded unless asked not to be.
inline std::unique_ptr<SimSession> nuevaSesion(Entero dificultad, std::int32_t semilla,
                                               bool cargar = true) {
    auto s = std::make_unique<SimSession>();
    s->dificultad = dificultad;
    s->p.random.overrideSeed(semilla);
    if (cargar) s->load();
    return s;
}

}  // namespace gus::testing
