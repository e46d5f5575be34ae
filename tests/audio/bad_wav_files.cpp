// The broken files: missing, empty, cut short, not WAV at all, lying sizes, absurd formats.
#include "tests/audio/bad_wav_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace gus::test {

namespace {

std::vector<unsigned char> lying(WavLayout layout) {
    return wavBytes(layout, sine(1000.0, 0.5, 48000, 4800));
}

std::vector<unsigned char> firstBytes(std::size_t count) {
    std::vector<unsigned char> bytes = goodWav();
    bytes.resize(count);
    return bytes;
}

}  // namespace

bool runningAsRoot() {
    return geteuid() == 0;
}

std::vector<BadFile> writeBadWavFiles(const TempDir& dir) {
    const std::size_t dataBytes = 4800 * 2;
    const std::vector<std::pair<std::string, std::vector<unsigned char>>> contents = {
        {"empty", {}},
        {"truncated header", firstBytes(20)},
        {"cut short in the data", firstBytes(44 + dataBytes / 2)},
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '\n'}},
        {"fmt size too large", lying({.declaredFmtBytes = 40})},
        {"fmt size too small", lying({.declaredFmtBytes = 8})},
        {"data size beyond the file", lying({.declaredDataBytes = dataBytes + 1000})},
        {"data size not whole frames", lying({.declaredDataBytes = dataBytes - 1})},
        {"huge data size", lying({.declaredDataBytes = 0xFFFFFFF0})},
        {"huge fmt size", lying({.declaredFmtBytes = 0xFFFFFFF0})},
        {"zero channels", lying({.channels = 0})},
        {"zero sample rate", lying({.rate = 0})},
        {"one hertz", lying({.rate = 1})},
        {"absurd sample rate", lying({.rate = 0x7FFFFFFF})},
        {"zero bits", lying({.bits = 0})},
    };
    std::vector<BadFile> files;
    int n = 0;
    for (const auto& [what, bytes] : contents) {
        const std::string path = dir.file("bad" + std::to_string(n++) + ".wav");
        writeFile(path, bytes);
        files.push_back({what, path});
    }
    files.push_back({"missing, in a folder that does not exist", dir.file("nowhere/missing.wav")});
    std::filesystem::create_directory(dir.path() / "x.wav");
    files.push_back({"a directory", dir.file("x.wav")});
    mkfifo(dir.file("pipe.wav").c_str(), 0600);
    files.push_back({"a pipe, which would block a reader", dir.file("pipe.wav")});
    return files;
}

}  // namespace gus::test
