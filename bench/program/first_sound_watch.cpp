// A non-blocking FIFO reader: poll for data, scan whole floats across reads.
#include "bench/program/first_sound_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "bench/program/proc_usage.h"

namespace gus::bench {

FirstSoundWatch::FirstSoundWatch(std::string path) : path_(std::move(path)) {
    unlink(path_.c_str());
    if (mkfifo(path_.c_str(), 0600) != 0) return;
    // Non-blocking, so opening does not wait for the writer and poll() can time out; no hang-up
    // is reported until a writer has come and gone.
    fd_ = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
}

FirstSoundWatch::~FirstSoundWatch() {
    if (fd_ >= 0) close(fd_);
    unlink(path_.c_str());
}

std::optional<std::int64_t> FirstSoundWatch::awaitFirstSound(std::int64_t deadlineNanos,
                                                             const std::function<bool()>& alive) {
    std::vector<unsigned char> buffer(1 << 16);
    for (;;) {
        const std::int64_t left = deadlineNanos - steadyNanos();
        if (left <= 0 || !alive()) return std::nullopt;
        pollfd p{fd_, POLLIN, 0};
        const int waitMs = static_cast<int>(std::min<std::int64_t>(left / 1'000'000 + 1, 100));
        if (poll(&p, 1, waitMs) <= 0) continue;
        const ssize_t got = read(fd_, buffer.data(), buffer.size());
        if (got == 0) return std::nullopt;  // the writer closed: the program has gone
        if (got < 0) continue;
        const std::int64_t arrived = steadyNanos();
        if (containsSound(buffer.data(), static_cast<std::size_t>(got))) return arrived;
    }
}

bool FirstSoundWatch::containsSound(const unsigned char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        partial_[partialCount_++] = bytes[i];
        if (partialCount_ < partial_.size()) continue;
        partialCount_ = 0;
        float sample = 0.0F;
        std::memcpy(&sample, partial_.data(), sizeof sample);
        if (sample != 0.0F) return true;
        silentBytes_ += sizeof sample;
    }
    return false;
}

}  // namespace gus::bench
