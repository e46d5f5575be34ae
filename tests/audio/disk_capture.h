// What SDL's disk driver wrote: raw float stereo frames, and their loudness over a window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gus::test {

std::vector<float> readFloatFile(const std::string& path);

// First frame with any sound on either side; the frame count if there is none.
std::size_t firstSoundingFrame(const std::vector<float>& stereo);

struct StereoRms {
    double left = 0.0;
    double right = 0.0;
};
StereoRms rmsOver(const std::vector<float>& stereo, std::size_t firstFrame, std::size_t frames);

double decibels(double ratio);

}  // namespace gus::test
