// Renders straight into a buffer, every voice always gliding: the costly case.
#include "bench/audio/mix_cost_bench.h"

#include <vector>

#include "bench/audio/bench_sounds.h"
#include "platform/sdl/mixer.h"

namespace gus::bench {

MixCostResult measureMixCost(int bufferFrames, int voices, std::size_t callbacks) {
    MixCostResult result;
    result.bufferFrames = bufferFrames;
    result.periodMicros = 1e6 * bufferFrames / kMixRate;
    const DecodedSound tone = toneInMemory(440.0, 1.3);
    Mixer mixer;
    std::vector<int> ids;
    for (int i = 0; i < voices; ++i) {
        ids.push_back(mixer.createVoice());
        mixer.load(ids.back(), &tone);
        mixer.play(ids.back(), true);
    }
    mixer.commit();
    const auto frames = static_cast<std::size_t>(bufferFrames);
    std::vector<float> buffer(frames * kMixChannels);
    std::vector<double> micros;
    micros.reserve(callbacks);
    for (std::size_t n = 0; n < callbacks; ++n) {
        for (int v : ids)
            mixer.setGains(v, static_cast<int>((n * 37 + v * 101) % 6000) - 3000, -300);
        mixer.commit();
        std::fill(buffer.begin(), buffer.end(), 0.0f);
        const std::int64_t start = nowNanos();
        mixer.render(buffer.data(), frames, start);
        micros.push_back(microsSince(start));
    }
    result.renderMicros = summarize(std::move(micros));
    return result;
}

}  // namespace gus::bench
