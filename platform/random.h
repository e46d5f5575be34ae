// The program's random generator: seedable, uniform numbers in [0, 1).
#pragma once

#include <optional>
#include <random>

#include "platform/services.h"

namespace gus {

class MersenneRandom : public Random {
  public:
    void seed(std::int32_t seed) override { engine_.seed(static_cast<std::uint32_t>(seed)); }
    double next() override;

  private:
    std::mt19937 engine_{1};
};

// The running program's generator: seeded from the clock by the game, unless the environment
// variable GUSANICIDA_SEED fixes the seed (the screen reader's test replays one game).
class ProgramRandom : public Random {
  public:
    ProgramRandom();
    void seed(std::int32_t seed) override { numbers_.seed(fixed_.value_or(seed)); }
    double next() override { return numbers_.next(); }

  private:
    MersenneRandom numbers_;
    std::optional<std::int32_t> fixed_;
};

}  // namespace gus
