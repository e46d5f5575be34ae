// Nearest-rank percentiles over a sorted copy.
#include "bench/stats.h"

#include <algorithm>
#include <cmath>

namespace gus::bench {

namespace {

double rank(const std::vector<double>& sorted, double fraction) {
    const auto index =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(index, 1, sorted.size()) - 1];
}

}  // namespace

Summary summarize(std::vector<double> samples) {
    if (samples.empty()) return {};
    std::sort(samples.begin(), samples.end());
    return {rank(samples, 0.5), rank(samples, 0.99), samples.back(), samples.size()};
}

}  // namespace gus::bench
