// Plain loops over the decoded frames; both sides are measured, as the mixer plays both.
#include "tests/audio/sound_measures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace gus::test {

namespace {

constexpr std::size_t kWindowFrames = kMixRate / 50;  // 20 ms
constexpr double kFloorDb = -90.0;
constexpr std::size_t kFingerprintWindows = 100;  // the first two seconds
constexpr double kLowestBandHz = 100.0;

double toDb(double magnitude) {
    return magnitude > 0.0 ? 20.0 * std::log10(magnitude) : kFloorDb;
}

double sample(const DecodedSound& sound, std::size_t frame, int side) {
    return sound.frame(frame)[side];
}

double medianStep(const DecodedSound& sound, int side) {
    std::vector<double> steps;
    steps.reserve(sound.frames());
    for (std::size_t i = 1; i < sound.frames(); ++i)
        steps.push_back(std::abs(sample(sound, i, side) - sample(sound, i - 1, side)));
    if (steps.empty()) return 0.0;
    auto middle = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

// The level at one frequency over one window (Goertzel's recurrence on a Hann-shaped window of
// both sides' sum): a single bin per band is enough to tell sounds apart.
double bandLevelDb(const DecodedSound& sound, std::size_t first, double hertz) {
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * hertz / kMixRate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (std::size_t i = 0; i < kWindowFrames; ++i) {
        const double shape =
            0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / kWindowFrames);
        const std::size_t at = first + i;
        const double x =
            at < sound.frames() ? shape * (sample(sound, at, 0) + sample(sound, at, 1)) : 0.0;
        const double current = x + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return std::max(kFloorDb, toDb(std::sqrt(std::max(power, 0.0)) / kWindowFrames));
}

}  // namespace

double seconds(const DecodedSound& sound) {
    return static_cast<double>(sound.frames()) / kMixRate;
}

double peakDbfs(const DecodedSound& sound) {
    double peak = 0.0;
    for (std::size_t i = 0; i < sound.frames(); ++i)
        for (int side = 0; side < kMixChannels; ++side)
            peak = std::max(peak, std::abs(sample(sound, i, side)));
    return peak > 0.0 ? 20.0 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

double largestDcOffset(const DecodedSound& sound) {
    double worst = 0.0;
    for (int side = 0; side < kMixChannels; ++side) {
        double sum = 0.0;
        for (std::size_t i = 0; i < sound.frames(); ++i) sum += sample(sound, i, side);
        worst = std::max(worst, std::abs(sum / static_cast<double>(sound.frames())));
    }
    return worst;
}

std::optional<double> onsetMs(const DecodedSound& sound, double thresholdDbfs) {
    const double threshold = std::pow(10.0, thresholdDbfs / 20.0);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        for (int side = 0; side < kMixChannels; ++side) {
            if (std::abs(sample(sound, i, side)) > threshold)
                return 1000.0 * static_cast<double>(i) / kMixRate;
        }
    }
    return std::nullopt;
}

double loopSeamRatio(const DecodedSound& sound) {
    double worst = 0.0;
    for (int side = 0; side < kMixChannels; ++side) {
        const double seam =
            std::abs(sample(sound, 0, side) - sample(sound, sound.frames() - 1, side));
        const double typical = medianStep(sound, side);
        if (seam == 0.0) continue;
        worst = std::max(worst,
                         typical > 0.0 ? seam / typical : std::numeric_limits<double>::infinity());
    }
    return worst;
}

Fingerprint fingerprint(const DecodedSound& sound) {
    Fingerprint print;
    print.frames = sound.frames();
    const std::size_t end = std::min(sound.frames(), kFingerprintWindows * kWindowFrames);
    for (std::size_t first = 0; first < end; first += kWindowFrames) {
        for (double hertz = kLowestBandHz; hertz < kMixRate / 2.0; hertz *= std::numbers::sqrt2)
            print.bandsDb.push_back(bandLevelDb(sound, first, hertz));
    }
    return print;
}

double fingerprintDistance(const Fingerprint& a, const Fingerprint& b) {
    const std::size_t shared = std::min(a.bandsDb.size(), b.bandsDb.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < shared; ++i) sum += std::abs(a.bandsDb[i] - b.bandsDb[i]);
    const double mean = shared > 0 ? sum / static_cast<double>(shared) : 0.0;
    const double lengths = static_cast<double>(std::max<std::size_t>(a.frames, 1)) /
                           static_cast<double>(std::max<std::size_t>(b.frames, 1));
    return mean + std::abs(20.0 * std::log10(lengths));
}

}  // namespace gus::test
