// The folder of the running program file, where its sound files lie.
#pragma once

#include <string>

namespace gus {

// Linux: the folder of /proc/self/exe; "." when it cannot be read.
std::string runningProgramFolder();

}  // namespace gus
