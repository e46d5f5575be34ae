// Percentiles over a sorted copy; rows in fixed columns, flushed at once.
#include "bench/common/measure.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "tests/audio/wav_bytes.h"

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

std::int64_t nowNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double microsSince(std::int64_t startNanos) {
    return static_cast<double>(nowNanos() - startNanos) / 1000.0;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string spread(const Summary& s, const std::string& unit, int decimals) {
    return "med " + fixed(s.median, decimals) + "  p99 " + fixed(s.p99, decimals) + "  max " +
           fixed(s.max, decimals) + " " + unit + " (n=" + std::to_string(s.count) + ")";
}

void printHeader(const std::string& title) {
    const char* columns = "%-46s %-44s %-19s %-5s %s\n";
    std::printf("%s\n\n", title.c_str());
    std::printf(columns, "measure", "value", "goal", "met", "conditions");
    std::printf(columns, "-------", "-----", "----", "---", "----------");
}

void printRow(const Row& row) {
    const char* verdict = row.goal.empty() ? "-" : row.met ? "ok" : "MISS";
    std::printf("%-46s %-44s %-19s %-5s %s\n", row.measure.c_str(), row.value.c_str(),
                row.goal.empty() ? "-" : row.goal.c_str(), verdict, row.conditions.c_str());
    std::fflush(stdout);
}

void printNote(const std::string& note) {
    std::printf("    %s\n", note.c_str());
    std::fflush(stdout);
}

void writeToneWav(const std::string& path, double seconds) {
    const auto frames = static_cast<std::size_t>(seconds * 48000);
    test::writeFile(path, test::wavBytes({}, test::sine(440.0, 0.25, 48000, frames)));
}

}  // namespace gus::bench
