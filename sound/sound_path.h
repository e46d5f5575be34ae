// Full names of the sound files: the program's folder, one separator, the file name.
#pragma once

#include <string>

#include "platform/services.h"

namespace gus {

// The folder with exactly one separator at its end (a root folder already has it).
inline std::string soundFolder(const ProgramFolder& folder) {
    std::string path = folder.path;
    if (path.empty() || path.back() != folder.separator) path += folder.separator;
    return path;
}

inline std::string soundPath(const ProgramFolder& folder, const std::string& file) {
    return soundFolder(folder) + file;
}

}  // namespace gus
