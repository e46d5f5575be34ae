// One row a line, in the columns the script's header prints.
#include "bench/program/report.h"

#include <cstdio>

namespace gus::bench {

void printRow(const Row& row) {
    const char* verdict = row.goal.empty() ? "-" : row.met ? "ok" : "MISS";
    std::printf("%-46s %-40s %-9s %-5s %s\n", row.measure.c_str(), row.value.c_str(),
                row.goal.empty() ? "-" : row.goal.c_str(), verdict, row.conditions.c_str());
    std::fflush(stdout);
}

void printNote(const std::string& note) {
    std::printf("    %s\n", note.c_str());
    std::fflush(stdout);
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string threadLine(const std::vector<std::pair<double, std::string>>& percents) {
    if (percents.empty()) return "by thread: none used a whole clock tick (10 ms)";
    std::string out;
    for (const auto& [percent, name] : percents) {
        out += (out.empty() ? "by thread: " : ",  ") + name + " " + fixed(percent, 2) + " %";
    }
    return out;
}

}  // namespace gus::bench
