// The program's only two options, --help and --version; the game itself takes none.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace gus {

// The exit status when an option was answered (no window is opened), or nothing to play.
std::optional<int> answerCommandLine(const std::vector<std::string>& args, std::ostream& out);

}  // namespace gus
