// Reading back the disk driver's file and measuring it.
#include "tests/audio/disk_capture.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace gus::test {

std::vector<float> readFloatFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::copy(bytes.begin(),
              bytes.begin() + static_cast<std::ptrdiff_t>(samples.size() * sizeof(float)),
              reinterpret_cast<char*>(samples.data()));
    return samples;
}

std::size_t firstSoundingFrame(const std::vector<float>& stereo) {
    const std::size_t frames = stereo.size() / 2;
    for (std::size_t i = 0; i < frames; ++i) {
        if (stereo[2 * i] != 0.0f || stereo[2 * i + 1] != 0.0f) return i;
    }
    return frames;
}

StereoRms rmsOver(const std::vector<float>& stereo, std::size_t firstFrame, std::size_t frames) {
    double left = 0.0;
    double right = 0.0;
    for (std::size_t i = firstFrame; i < firstFrame + frames; ++i) {
        left += static_cast<double>(stereo[2 * i]) * stereo[2 * i];
        right += static_cast<double>(stereo[2 * i + 1]) * stereo[2 * i + 1];
    }
    return {std::sqrt(left / static_cast<double>(frames)),
            std::sqrt(right / static_cast<double>(frames))};
}

double decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

}  // namespace gus::test
