// Summaries of timing samples, and the clock they are taken with.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace gus::bench {

struct Summary {
    double median = 0.0;
    double p99 = 0.0;
    double max = 0.0;
    std::size_t count = 0;
};

Summary summarize(std::vector<double> samples);

inline std::int64_t nowNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double microsSince(std::int64_t startNanos) {
    return static_cast<double>(nowNanos() - startNanos) / 1000.0;
}

}  // namespace gus::bench
