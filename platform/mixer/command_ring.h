// Hand-over from the UI thread to the audio thread: a ring seen only in whole batches.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gus {

class DecodedSound;

// Preallocated, single producer (UI thread), single consumer (audio thread), no locks.
enum class CommandKind : std::uint8_t { Load, Play, Stop, Gains, Destroy };

struct Command {
    CommandKind kind = CommandKind::Stop;
    bool loop = false;
    int voice = 0;
    int balance = 0;
    int volume = 0;
    const DecodedSound* sound = nullptr;  // Load only; null loads silence
};

class CommandRing {
  public:
    // The capacity is rounded up to a power of two.
    explicit CommandRing(std::size_t capacity);
    CommandRing(const CommandRing&) = delete;
    CommandRing& operator=(const CommandRing&) = delete;

    // Producer. A full ring drops the command and says so: the UI thread never waits for audio.
    bool push(const Command& command);
    // Makes every command pushed so far visible at once: one atomic store.
    void publish() { published_.store(pushed_, std::memory_order_release); }
    // Commands pushed so far, counted from the start; a command's count is its end position.
    std::uint64_t pushed() const { return pushed_; }

    // Consumer: hands every published command to apply, in order, then frees their slots.
    template <class Apply>
    void drain(Apply&& apply) {
        const std::uint64_t end = published_.load(std::memory_order_acquire);
        std::uint64_t at = consumed_.load(std::memory_order_relaxed);
        for (; at != end; ++at) apply(slots_[at & mask_]);
        consumed_.store(end, std::memory_order_release);
    }

    // Either side: commands the consumer has applied, counted from the start.
    std::uint64_t consumed() const { return consumed_.load(std::memory_order_acquire); }
    std::size_t capacity() const { return slots_.size(); }

  private:
    std::vector<Command> slots_;
    std::size_t mask_;
    std::uint64_t pushed_ = 0;  // the producer's own
    // Apart, so the two threads do not bounce one cache line between them.
    alignas(64) std::atomic<std::uint64_t> published_{0};
    alignas(64) std::atomic<std::uint64_t> consumed_{0};
};

}  // namespace gus
