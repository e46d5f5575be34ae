// Ring storage and the producer's full check.
#include "platform/mixer/command_ring.h"

#include <bit>

namespace gus {

CommandRing::CommandRing(std::size_t capacity)
    : slots_(std::bit_ceil(capacity < 2 ? std::size_t{2} : capacity)), mask_(slots_.size() - 1) {}

bool CommandRing::push(const Command& command) {
    if (pushed_ - consumed_.load(std::memory_order_acquire) >= slots_.size()) return false;
    slots_[pushed_ & mask_] = command;
    ++pushed_;
    return true;
}

}  // namespace gus
