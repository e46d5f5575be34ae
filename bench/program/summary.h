// Median, 99th percentile and maximum of a set of samples.
#pragma once

#include <cstddef>
#include <vector>

namespace gus::bench {

struct Summary {
    double median = 0.0;
    double p99 = 0.0;
    double max = 0.0;
    std::size_t count = 0;
};

// Nearest-rank percentiles: with fewer than 100 samples the 99th percentile is the maximum.
Summary summarize(std::vector<double> samples);

}  // namespace gus::bench
