// Measures of a decoded sound that say whether a shipped file is fit to play.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/sdl/decoded_sound.h"

namespace gus::test {

double seconds(const DecodedSound& sound);
// The largest magnitude on either side, in dBFS (-inf for silence).
double peakDbfs(const DecodedSound& sound);
// The larger of the two sides' mean values, as a magnitude.
double largestDcOffset(const DecodedSound& sound);
// When the first sample above `thresholdDbfs` comes, in milliseconds; nothing if none does.
std::optional<double> onsetMs(const DecodedSound& sound, double thresholdDbfs);
// How far the step from the last frame back to the first exceeds the median step between
// neighbouring frames, on the worse side: 1 means a loop's seam is as smooth as its inside.
double loopSeamRatio(const DecodedSound& sound);

// A short description of the sound's opening seconds: its level in a few bands over time, and
// its length. Equal sounds give equal fingerprints; different ones rarely come close.
struct Fingerprint {
    std::vector<double> bandsDb;  // window after window, band after band
    std::size_t frames = 0;
};

Fingerprint fingerprint(const DecodedSound& sound);
// Mean difference in dB over the band levels both share, plus how much the lengths differ in dB.
double fingerprintDistance(const Fingerprint& a, const Fingerprint& b);

}  // namespace gus::test
