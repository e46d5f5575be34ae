// The program's random generator: seedable, uniform numbers in [0, 1).
#pragma once

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

}  // namespace gus
