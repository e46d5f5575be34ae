// 53 random bits per number, computed the same way on every standard library.
#include "platform/random.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace gus {

double MersenneRandom::next() {
    const std::uint64_t high = engine_() >> 5;                            // 27 bits
    const std::uint64_t low = engine_() >> 6;                             // 26 bits
    return static_cast<double>((high << 26) | low) / 9007199254740992.0;  // 2^53
}

ProgramRandom::ProgramRandom() {
    const char* text = std::getenv("GUSANICIDA_SEED");
    if (text == nullptr || *text == '\0') return;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 0);
    if (errno == 0 && *end == '\0' && value >= INT_MIN && value <= INT_MAX) {
        fixed_ = static_cast<std::int32_t>(value);
    }
}

}  // namespace gus
