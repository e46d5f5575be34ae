// Builds WAV files for the tests: good ones, and every kind of broken one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gus::test {

struct WavLayout {
    int channels = 1;
    int rate = 48000;
    int bits = 16;
    int tag = 1;  // 1 PCM, 3 IEEE float
    // Overrides of what the header declares; -1 keeps the true value.
    std::int64_t declaredFmtBytes = -1;
    std::int64_t declaredDataBytes = -1;
    std::int64_t declaredRiffBytes = -1;
};

std::vector<std::int16_t> sine(double hertz, double amplitude, int rate, std::size_t frames);
std::vector<unsigned char> wavBytes(const WavLayout& layout, const std::vector<std::int16_t>& pcm);
std::vector<unsigned char> goodWav(std::size_t frames = 4800);
// A mono file of 32-bit float samples, written as they are.
std::vector<unsigned char> floatWavBytes(const std::vector<float>& samples);
void writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

struct BadFile {
    std::string what;
    std::string path;
};

// Files that are broken whoever reads them, written into `dir`: missing, empty, cut short, not
// WAV at all, lying sizes, absurd formats, a folder, a pipe that would block a reader.
std::vector<BadFile> writeBadWavFiles(const TempDir& dir);

}  // namespace gus::test
