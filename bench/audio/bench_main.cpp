// bench_audio: prints how the real audio output performs.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/audio/key_sound_bench.h"
#include "bench/audio/latency_bench.h"
#include "bench/audio/load_cost_bench.h"
#include "bench/audio/mix_cost_bench.h"
#include "bench/audio/ui_block_bench.h"

namespace gus::bench {
namespace {

constexpr int kBufferSizes[] = {256, 1024, 4096};

void printLatency(std::size_t starts) {
    std::printf(
        "(a) Start latency: play()+commit() to the start of the callback carrying the first "
        "frame\n");
    std::printf("    %zu starts per buffer size, at random moments\n", starts);
    std::printf("    %-8s %-12s %-10s %-10s %-10s %-6s %s\n", "buffer", "period(ms)", "median",
                "p99", "max", "lost", "median vs 256");
    double base = 0.0;
    for (int frames : kBufferSizes) {
        const LatencyResult r = measureStartLatency(frames, starts);
        if (!r.opened) {
            std::printf("    %-8d no audio device\n", frames);
            continue;
        }
        if (base == 0.0) base = r.startMs.median;
        std::printf("    %-8d %-12.2f %-10.2f %-10.2f %-10.2f %-6zu x%.1f\n", frames,
                    r.callbackPeriodMs, r.startMs.median, r.startMs.p99, r.startMs.max, r.lost,
                    r.startMs.median / base);
    }
    std::printf(
        "    (ms; the device's own output buffer comes on top of this on real hardware)\n\n");
}

void printMixCost() {
    constexpr int kVoices = 30;
    std::printf("(b) Mixer time per callback, %d voices playing and gliding between gains\n",
                kVoices);
    std::printf("    %-8s %-12s %-12s %-12s %-12s %s\n", "buffer", "period(us)", "median(us)",
                "p99(us)", "max(us)", "median share of period");
    for (int frames : kBufferSizes) {
        const MixCostResult r = measureMixCost(frames, kVoices, 2000);
        std::printf("    %-8d %-12.1f %-12.1f %-12.1f %-12.1f %.2f%%\n", frames, r.periodMicros,
                    r.renderMicros.median, r.renderMicros.p99, r.renderMicros.max,
                    100.0 * r.renderMicros.median / r.periodMicros);
    }
    std::printf("\n");
}

void printLoadCost() {
    const LoadCostResult r = measureLoadCost(5000, 20);
    std::printf("(c) load() on the UI thread (us)\n");
    if (!r.opened) {
        std::printf("    no audio device\n\n");
        return;
    }
    std::printf("    %-34s %-10s %-10s %-10s %s\n", "case", "median", "p99", "max", "n");
    const auto row = [](const char* name, const Summary& s) {
        std::printf("    %-34s %-10.1f %-10.1f %-10.1f %zu\n", name, s.median, s.p99, s.max,
                    s.count);
    };
    row("already cached", r.cachedMicros);
    row("first load, 1 s mono 48 kHz", r.firstShortMicros);
    row("first load, 30 s stereo 48 kHz", r.firstLongMicros);
    std::printf("    commands dropped: %llu\n\n", static_cast<unsigned long long>(r.dropped));
}

void printUiBlocking() {
    const UiBlockResult r = measureUiBlocking(256, 20000);
    std::printf(
        "(d) UI calls while the audio thread mixes 30 voices (us; lock-free: no call waits for "
        "audio)\n");
    if (!r.opened) {
        std::printf("    no audio device\n\n");
        return;
    }
    std::printf("    %-16s %-10s %-10s %-10s %s\n", "call", "median", "p99", "max", "n");
    for (const CallCost& c : r.calls) {
        std::printf("    %-16s %-10.2f %-10.2f %-10.2f %zu\n", c.call.c_str(), c.micros.median,
                    c.micros.p99, c.micros.max, c.micros.count);
    }
    std::printf("    audio callbacks meanwhile: %llu, commands dropped: %llu\n",
                static_cast<unsigned long long>(r.callbacks),
                static_cast<unsigned long long>(r.dropped));
    std::printf(
        "    locks the UI side can take against the audio thread: none (ring + atomics only)\n\n");
}

const char* verdict(bool met) {
    return met ? "ok" : "MISSED";
}

void printKeyToSound(std::size_t keys) {
    const KeySoundResult r = measureKeyToSound(256, keys);
    std::printf(
        "(e) Key to sound: the game on the real output, %d-frame buffers, %d worms on the board,\n"
        "    the player walking left and right (every step sounds a wall)\n",
        r.bufferFrames, r.worms);
    if (!r.ready) {
        std::printf("    no audio device, or the game's sounds are not beside this program\n\n");
        return;
    }
    const Summary& ms = r.keyToSoundMs;
    const double jitter = ms.p99 - ms.median;
    std::printf(
        "    entering Picture1_KeyDown to the callback carrying the step's first frame (ms)\n");
    std::printf("    %-10s %-10s %-10s %-10s %-6s %-6s %s\n", "median", "p99", "max", "jitter", "n",
                "lost", "goals");
    std::printf("    %-10.2f %-10.2f %-10.2f %-10.2f %-6zu %-6zu median < 6: %s, jitter < 3: %s\n",
                ms.median, ms.p99, ms.max, jitter, ms.count, r.lost, verdict(ms.median < 6.0),
                verdict(jitter < 3.0));
    const Summary& key = r.keyCostMicros;
    std::printf("    UI thread per key, Picture1_KeyDown and the event's commit (us)\n");
    std::printf("    %-10.2f %-10.2f %-10.2f %-10s %-6zu %-6s median < 50: %s\n", key.median,
                key.p99, key.max, "", key.count, "", verdict(key.median < 50.0));
    const Summary& call = r.callMicros;
    std::printf("    each AudioOutput call the game made, timed on a second walk (us)\n");
    std::printf("    %-10.2f %-10.2f %-10.2f %-10s %-6zu\n", call.median, call.p99, call.max, "",
                call.count);
    std::printf("    calls preempted by the kernel: %zu; calls that waited: %zu (goal 0: %s)\n",
                r.preemptedCalls, r.waitingCalls, verdict(r.waitingCalls == 0));
    std::printf("    longest call that kept its core: %.2f us (%s); goal < 20: %s\n",
                r.longestOwnCallMicros, r.longestOwnCall.c_str(),
                verdict(r.longestOwnCallMicros < 20.0));
    std::printf("    calls over 20 us: %zu; an empty call timed the same way took up to %.2f us\n",
                r.callsOverTwentyMicros, r.longestEmptyCallMicros);
    std::printf(
        "    commands dropped: %llu; game time held still, so no worm reaches the player\n\n",
        static_cast<unsigned long long>(r.dropped));
}

}  // namespace
}  // namespace gus::bench

// Usage: bench_audio [starts], the starts per buffer size for the latency table and the keys of
// the walk in (e) (1000 by default). Runs on SDL's dummy driver unless SDL_AUDIODRIVER names
// another.
int main(int argc, char** argv) {
    const std::size_t starts = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::printf("bench_audio, SDL audio driver: %s\n\n", std::getenv("SDL_AUDIODRIVER"));
    gus::bench::printLatency(starts);
    gus::bench::printMixCost();
    gus::bench::printLoadCost();
    gus::bench::printUiBlocking();
    gus::bench::printKeyToSound(starts);
    return 0;
}
