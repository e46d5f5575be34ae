// 53 random bits per number, computed the same way on every standard library.
#include "platform/random.h"

namespace gus {

double MersenneRandom::next() {
    const std::uint64_t high = engine_() >> 5;                            // 27 bits
    const std::uint64_t low = engine_() >> 6;                             // 26 bits
    return static_cast<double>((high << 26) | low) / 9007199254740992.0;  // 2^53
}

}  // namespace gus
