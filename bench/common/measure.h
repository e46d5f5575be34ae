// What every benchmark shares: summaries of samples, the clock, and one printed row a figure.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gus::bench {

struct Summary {
    double median = 0.0;
    double p99 = 0.0;
    double max = 0.0;
    std::size_t count = 0;
};

// Nearest-rank percentiles.
Summary summarize(std::vector<double> samples);

std::int64_t nowNanos();
double microsSince(std::int64_t startNanos);

std::string fixed(double value, int decimals);
// "med 2.51  p99 5.07  max 6.08 ms (n=1000)"
std::string spread(const Summary& s, const std::string& unit, int decimals = 2);

struct Row {
    std::string measure;
    std::string value;
    std::string goal;  // empty: shown for information, no goal
    bool met = true;
    std::string conditions;
};

// The column heads, under a title; scripts/bench-program.sh prints the same ones itself.
void printHeader(const std::string& title);
void printRow(const Row& row);
// An indented line under the last row: what was counted, what could bias it.
void printNote(const std::string& note);

// A mono 16-bit, 48 kHz WAV file of a 440 Hz tone, as the game's own effects are.
void writeToneWav(const std::string& path, double seconds);

}  // namespace gus::bench
