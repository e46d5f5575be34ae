// A sine tone with soft edges, the same on both sides.
#include "platform/mixer/beep_tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace gus {

namespace {

double edgeEnvelope(std::size_t frame, std::size_t total, std::size_t edge) {
    const std::size_t fromEnd = total - 1 - frame;
    const std::size_t nearest = std::min(frame, fromEnd);
    if (nearest >= edge) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(nearest) /
                                static_cast<double>(edge));
}

}  // namespace

DecodedSound makeTone(const ToneShape& shape) {
    const auto frames = static_cast<std::size_t>(shape.seconds * kMixRate);
    const auto edge = static_cast<std::size_t>(shape.edgeSeconds * kMixRate);
    const double peak = std::pow(10.0, shape.peakDbfs / 20.0);
    const double radiansPerFrame = 2.0 * std::numbers::pi * shape.hertz / kMixRate;
    std::vector<float> samples(frames * kMixChannels);
    for (std::size_t i = 0; i < frames; ++i) {
        const double value = peak * edgeEnvelope(i, frames, edge) *
                             std::sin(radiansPerFrame * static_cast<double>(i));
        samples[2 * i] = samples[2 * i + 1] = static_cast<float>(value);
    }
    return DecodedSound(std::move(samples));
}

}  // namespace gus
