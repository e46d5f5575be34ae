// Play to the sink on a real sound server: our SDL output clicks, a recorder on the sink's monitor.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/server/monitor_recorder.h"
#include "platform/sdl/sdl_audio_output.h"

namespace {

using gus::SdlAudioOutput;
using gus::bench::MonitorRecorder;

std::int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Figures {
    double median = 0.0, p99 = 0.0, max = 0.0;
};

Figures figuresOf(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    const auto at = [&v](double q) {
        return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
    };
    return {at(0.5), at(0.99), v.back()};
}

// 5 ms at half scale, 16-bit stereo at 48 kHz: its first sample stands out of the silence.
std::string writeClickWav() {
    const std::string path = (std::filesystem::temp_directory_path() / "gus_bench_click.wav");
    constexpr std::uint32_t kFrames = 240, kDataBytes = kFrames * 4;
    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int b = 0; b < bytes; ++b) out.put(static_cast<char>((value >> (8 * b)) & 0xFF));
    };
    out << "RIFF";
    put(36 + kDataBytes, 4);
    out << "WAVEfmt ";
    put(16, 4), put(1, 2), put(2, 2), put(48000, 4), put(48000 * 4, 4), put(4, 2), put(16, 2);
    out << "data";
    put(kDataBytes, 4);
    for (std::uint32_t s = 0; s < kFrames * 2; ++s) put(16384, 2);
    return path;
}

void printLine(const char* what, const std::vector<double>& ms, std::size_t lost) {
    const Figures f = figuresOf(ms);
    std::printf("  %-44s median %6.2f  p99 %6.2f  max %6.2f ms  (n=%zu, lost %zu)\n", what,
                f.median, f.p99, f.max, ms.size(), lost);
}

// Clicks at random moments of the buffer cycle, each started the way a key's event starts a
// sound: play, then the commit that ends the event.
void measure(MonitorRecorder& recorder, int bufferFrames, int clicks,
             const std::string& clickPath) {
    SdlAudioOutput out(bufferFrames);
    if (!out.opened()) {
        std::printf("%d frames: no SDL audio device (%s)\n", bufferFrames, SDL_GetError());
        return;
    }
    const gus::AudioOutput::Voice v = out.createVoice("click");
    out.load(v, clickPath);
    out.commit();
    // A null sink that had nothing to play may sleep through one 2 s block before it hears a new
    // stream; a real device's sink rewinds instead. Measuring starts after that.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pauseMicros(0, bufferFrames * 1000 / 48);
    std::vector<double> toSink, toCallback, callbackToSink;
    std::size_t lost = 0;
    for (int n = 0; n < clicks; ++n) {
        std::this_thread::sleep_for(std::chrono::microseconds(30'000 + pauseMicros(random)));
        recorder.arm();
        const std::int64_t playAt = steadyNanos();
        out.stop(v);
        out.play(v, false);
        out.commit();
        const auto heard = recorder.awaitClick(playAt + 2'000'000'000);
        if (!heard) {
            ++lost;
            continue;
        }
        const double sinkMs = static_cast<double>(*heard - playAt) / 1e6;
        const double callbackMs = static_cast<double>(out.firstFrameNanos(v) - playAt) / 1e6;
        toSink.push_back(sinkMs);
        toCallback.push_back(callbackMs);
        callbackToSink.push_back(sinkMs - callbackMs);
    }
    std::printf("SDL driver %s, %d-frame buffer (%.1f ms):\n", SDL_GetCurrentAudioDriver(),
                bufferFrames, bufferFrames / 48.0);
    printLine("Play+commit to the first sample at the sink", toSink, lost);
    printLine("Play+commit to our callback (ours)", toCallback, 0);
    printLine("our callback to the sink (SDL and server)", callbackToSink, 0);
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line as it comes, through a pipe too
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    MonitorRecorder recorder;
    if (!recorder.opened()) {
        std::printf("bench_server: no PulseAudio-compatible server with a default sink here\n");
        return 1;
    }
    std::printf(
        "conditions: %d clicks a buffer size (5 ms at half scale, 48 kHz float stereo), "
        "each Play at a random moment of the buffer cycle; a click is at the sink when the "
        "server's timing report for a recorder on the default sink's monitor puts its "
        "first sample at the sink's output\n",
        clicks);
    const std::vector<double> offsets = recorder.calibrate(30);
    const Figures calibration = figuresOf(offsets);
    std::printf(
        "calibration, a click of the recorder's own through the server (found minus the "
        "server's playback report), n=%zu: median %.2f, p99 %.2f, max %.2f ms\n",
        offsets.size(), calibration.median, calibration.p99, calibration.max);
    const std::string click = writeClickWav();
    for (int frames : {SdlAudioOutput::kDefaultBufferFrames, 1024, 4096}) {
        measure(recorder, frames, clicks, click);
    }
    std::filesystem::remove(click);
    return 0;
}
