// Reads what SDL's disk driver writes, as it writes it, and notes when the first sound arrives.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace gus::bench {

// A FIFO stands in for the disk driver's file: a read returns as soon as the driver has written,
// so the time of arrival is known without polling a file's size. The stream is float stereo in
// the device's format; silence is all-zero samples.
class FirstSoundWatch {
  public:
    // Creates the FIFO at `path` and opens its reading end (before the writer exists).
    explicit FirstSoundWatch(std::string path);
    ~FirstSoundWatch();
    FirstSoundWatch(const FirstSoundWatch&) = delete;
    FirstSoundWatch& operator=(const FirstSoundWatch&) = delete;

    bool ready() const { return fd_ >= 0; }
    // The steady-clock time (ns) at which the first non-zero sample was read; nothing when the
    // writer closed first, `alive` said the writer is gone, or `deadlineNanos` passed.
    std::optional<std::int64_t> awaitFirstSound(std::int64_t deadlineNanos,
                                                const std::function<bool()>& alive);
    // Bytes read before the first sound: how much silence the driver wrote first.
    std::uint64_t silentBytes() const { return silentBytes_; }

  private:
    bool containsSound(const unsigned char* bytes, std::size_t count);

    std::string path_;
    int fd_ = -1;
    std::array<unsigned char, 4> partial_{};
    std::size_t partialCount_ = 0;
    std::uint64_t silentBytes_ = 0;
};

}  // namespace gus::bench
