// Starts at random moments, on voices taking turns, timed against the callback stamps.
#include "bench/audio/latency_bench.h"

#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/audio/bench_sounds.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

namespace {

// Random moments spread the starts over the whole callback cycle; taking turns lets the next
// start go out before the last one has been heard.
constexpr int kVoices = 32;
constexpr std::int64_t kGiveUpNanos = 1'000'000'000;

struct Pending {
    AudioOutput::Voice voice = -1;
    std::int64_t stampBefore = 0;
    std::int64_t askedAt = 0;
};

// Waits for the voice's start to be mixed: the latency in ms, or nothing if it never comes.
std::optional<double> awaitStart(const SdlAudioOutput& out, const Pending& p) {
    while (out.firstFrameNanos(p.voice) == p.stampBefore) {
        if (nowNanos() - p.askedAt > kGiveUpNanos) return std::nullopt;
        std::this_thread::yield();
    }
    return static_cast<double>(out.firstFrameNanos(p.voice) - p.askedAt) / 1e6;
}

void startNow(SdlAudioOutput& out, Pending& p) {
    p.stampBefore = out.firstFrameNanos(p.voice);
    p.askedAt = nowNanos();
    out.stop(p.voice);
    out.play(p.voice, false);
    out.commit();
}

std::vector<Pending> loadVoices(SdlAudioOutput& out, const std::string& path) {
    std::vector<Pending> slots(kVoices);
    for (Pending& p : slots) {
        p.voice = out.createVoice("latency");
        out.load(p.voice, path);
    }
    out.commit();
    return slots;
}

}  // namespace

LatencyResult measureStartLatency(int bufferFrames, std::size_t starts) {
    LatencyResult result;
    result.bufferFrames = bufferFrames;
    SdlAudioOutput out(bufferFrames);
    result.opened = out.opened();
    if (!out.opened()) return result;
    ScratchFolder folder;
    writeToneWav(folder.file("click.wav"), 1, 0.02);
    std::vector<Pending> slots = loadVoices(out, folder.file("click.wav"));

    std::mt19937 random(12345);
    std::uniform_real_distribution<double> pauseMicros(0.0, 1e6 * bufferFrames / kMixRate / 4.0);
    std::vector<double> latencies;
    const std::uint64_t firstCallback = out.callbacks();
    const std::int64_t began = nowNanos();
    // Slot i % kVoices is heard from (start i - kVoices) before it is used for start i.
    for (std::size_t i = 0; i < starts + kVoices; ++i) {
        Pending& p = slots[i % kVoices];
        if (i >= kVoices) {
            const std::optional<double> ms = awaitStart(out, p);
            if (ms)
                latencies.push_back(*ms);
            else
                ++result.lost;
        }
        if (i >= starts) continue;
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(pauseMicros(random)));
        startNow(out, p);
    }
    const double elapsedMs = static_cast<double>(nowNanos() - began) / 1e6;
    const auto callbacks = static_cast<double>(out.callbacks() - firstCallback);
    result.callbackPeriodMs = callbacks > 0 ? elapsedMs / callbacks : 0.0;
    result.startMs = summarize(std::move(latencies));
    return result;
}

}  // namespace gus::bench
