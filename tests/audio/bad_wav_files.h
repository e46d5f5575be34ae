// Every kind of file that must leave a voice silent, written into a temporary folder.
#pragma once

#include <string>
#include <vector>

#include "tests/audio/wav_bytes.h"

namespace gus::test {

struct BadFile {
    std::string what;
    std::string path;
};

// Files that are broken whoever reads them (the unreadable-file case is separate: it depends on
// who runs the tests).
std::vector<BadFile> writeBadWavFiles(const TempDir& dir);

bool runningAsRoot();

}  // namespace gus::test
