// bench_latency: how soon a sound is heard. A start on the mixer at three buffer sizes, the mixer's
// own time per callback, and a key of the game to the callback carrying its step.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>

#include "bench/common/real_audio_game.h"
#include "platform/mixer/mixer.h"
#include "tests/audio/wav_bytes.h"

namespace gus::bench {
namespace {

constexpr int kBufferSizes[] = {256, 1024, 4096};
constexpr int kStartVoices = 32;  // taking turns lets a start go out before the last is heard
constexpr int kMixVoices = 30;

// Starts at random moments spread over the callback cycle; slot i % 32 is heard from start
// i - 32 before it is used for start i. Returns the median, for the ratios of the larger buffers.
double startLatency(int frames, std::size_t starts, double base) {
    SdlAudioOutput out(frames);
    const std::string name = "Play+commit to first frame, " + std::to_string(frames) + " frames";
    if (!out.opened()) {
        printRow({name, "no audio device", "", false, ""});
        return base;
    }
    test::TempDir folder;
    writeToneWav(folder.file("click.wav"), 0.02);
    std::vector<StartWatch> slots(kStartVoices);
    for (StartWatch& p : slots) {
        p.voices = {out.createVoice("latency")};
        out.load(p.voices[0], folder.file("click.wav"));
    }
    out.commit();
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> pauseMicros(0.0, 1e6 * frames / kMixRate / 4.0);
    std::vector<double> ms;
    std::size_t lost = 0;
    const std::uint64_t firstCallback = out.callbacks();
    const std::int64_t began = nowNanos();
    for (std::size_t i = 0; i < starts + kStartVoices; ++i) {
        StartWatch& p = slots[i % kStartVoices];
        if (i >= kStartVoices) {
            const std::optional<double> heard = p.await(out);
            if (heard)
                ms.push_back(*heard);
            else
                ++lost;
        }
        if (i >= starts) continue;
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(pauseMicros(random)));
        p.arm(out);
        out.stop(p.voices[0]);
        out.play(p.voices[0], false);
        out.commit();
    }
    const double periodMs =
        static_cast<double>(nowNanos() - began) / 1e6 /
        static_cast<double>(std::max<std::uint64_t>(1, out.callbacks() - firstCallback));
    const Summary s = summarize(std::move(ms));
    const double first = base > 0.0 ? base : s.median;
    // For 256 frames: within one callback period at the median, two at the 99th percentile.
    const double period = 1e3 * frames / kMixRate;
    printRow({name, spread(s, "ms"), frames == 256 ? "med<=5.3 p99<=10.7" : "",
              s.median <= period && s.p99 <= 2 * period,
              "period " + fixed(periodMs, 2) + " ms, x" + fixed(s.median / first, 1) +
                  " the 256-frame median, lost " + std::to_string(lost)});
    return first;
}

// Rendered straight into a buffer, every voice always gliding between gains: the costly case.
void mixCost(int frames, std::size_t callbacks) {
    // 1.3 s of a constant level: what the mixer does costs the same whatever the samples are.
    const DecodedSound tone(std::vector<float>(62400 * kMixChannels, 0.1f));
    Mixer mixer;
    std::vector<int> ids;
    for (int i = 0; i < kMixVoices; ++i) {
        ids.push_back(mixer.createVoice());
        mixer.load(ids.back(), &tone);
        mixer.play(ids.back(), true);
    }
    mixer.commit();
    std::vector<float> buffer(static_cast<std::size_t>(frames) * kMixChannels);
    std::vector<double> micros;
    for (std::size_t n = 0; n < callbacks; ++n) {
        for (int v : ids)
            mixer.setGains(v, static_cast<int>((n * 37 + v * 101) % 6000) - 3000, -300);
        mixer.commit();
        std::fill(buffer.begin(), buffer.end(), 0.0f);
        const std::int64_t start = nowNanos();
        mixer.render(buffer.data(), static_cast<std::size_t>(frames), start);
        micros.push_back(microsSince(start));
    }
    const Summary s = summarize(std::move(micros));
    const double share = 100.0 * s.median / (1e6 * frames / kMixRate);
    printRow({"mixer time per callback, " + std::to_string(frames) + " frames",
              fixed(s.median, 1) + " us = " + fixed(share, 2) + " % of the period, p99 " +
                  fixed(s.p99, 1),
              "< 2 %", share < 2.0,
              std::to_string(kMixVoices) + " voices gliding, max " + fixed(s.max, 1) + " us"});
}

void keyToSound(std::size_t keys) {
    RealAudioGame game;
    const std::string name = "key to the callback carrying the step sound";
    if (!game.ready()) return printRow({name, "no audio device or no sounds", "", false, ""});
    const RealAudioGame::Walk w = game.walk(keys);
    const Summary s = summarize(w.keyToSoundMs);
    const double jitter = s.p99 - s.median;
    printRow({name, spread(s, "ms"), "med<6 jit<3", s.median < 6.0 && jitter < 3.0,
              std::to_string(RealAudioGame::kWorms) + " worms, real mixer, 256 frames, jitter " +
                  fixed(jitter, 2) + " ms, lost " + std::to_string(w.lost)});
}

}  // namespace
}  // namespace gus::bench

// Usage: bench_latency [starts], per buffer size and for the walk (1000 by default). Runs on
// SDL's dummy driver unless SDL_AUDIODRIVER names another.
int main(int argc, char** argv) {
    using namespace gus::bench;
    const std::size_t starts = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    printHeader(std::string("bench_latency, SDL audio driver ") + std::getenv("SDL_AUDIODRIVER") +
                "; the device's own buffer and the sound server come on top");
    double base = 0.0;
    for (int frames : kBufferSizes) base = startLatency(frames, starts, base);
    for (int frames : kBufferSizes) mixCost(frames, 2000);
    keyToSound(starts);
    return 0;
}
