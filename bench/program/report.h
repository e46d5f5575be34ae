// The rows of the printed table, shared by the helper programs and scripts/bench-program.sh.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace gus::bench {

struct Row {
    std::string measure;
    std::string value;
    std::string goal;  // empty: shown for information, no goal
    bool met = true;
    std::string conditions;
};

void printRow(const Row& row);
// An indented line under the last row: what was counted, what could bias it.
void printNote(const std::string& note);
std::string fixed(double value, int decimals);
// "by thread: name 0.41 %  name 0.12 %", or why there is nothing to show.
std::string threadLine(const std::vector<std::pair<double, std::string>>& percents);

}  // namespace gus::bench
