// Nearest-rank statistics over sorted samples.
#include "bench/program/summary.h"

#include <algorithm>
#include <cmath>

namespace gus::bench {

namespace {

double nearestRank(const std::vector<double>& sorted, double fraction) {
    const double rank = std::ceil(fraction * static_cast<double>(sorted.size()));
    const std::size_t index = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

}  // namespace

Summary summarize(std::vector<double> samples) {
    Summary s;
    s.count = samples.size();
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    s.median = nearestRank(samples, 0.5);
    s.p99 = nearestRank(samples, 0.99);
    s.max = samples.back();
    return s;
}

}  // namespace gus::bench
