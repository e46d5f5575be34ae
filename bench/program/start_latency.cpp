// Each start: a fresh FIFO, the program spawned, its first sound awaited, the program ended.
#include "bench/program/start_latency.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "bench/program/child_process.h"
#include "bench/program/first_sound_watch.h"
#include "bench/program/proc_usage.h"
#include "bench/program/report.h"
#include "bench/stats.h"

namespace gus::bench {

namespace {

constexpr std::int64_t kGiveUpNanos = 10'000'000'000;
constexpr double kGoalMs = 300.0;
constexpr double kStreamBytesPerMs = 48.0 * 2 * sizeof(float);  // 48 kHz float stereo

struct StartSample {
    double toSoundMs = 0.0;
    double silenceMs = 0.0;  // stream written before the music: the device ran that long first
    double cpuMs = 0.0;      // the program's own CPU time up to then: the work, without waiting
    double queuedMs = 0.0;   // its main thread runnable but not running: other work in the way
};

std::string displayPlatform() {
    const char* qpa = getenv("QT_QPA_PLATFORM");
    return qpa != nullptr && *qpa != '\0' ? qpa : "offscreen";
}

std::optional<StartSample> oneStart(const std::string& program, const std::string& fifo) {
    FirstSoundWatch watch(fifo);
    if (!watch.ready()) return std::nullopt;
    const std::int64_t t0 = steadyNanos();
    ChildProcess child(program, {{"QT_QPA_PLATFORM", displayPlatform()},
                                 {"SDL_AUDIODRIVER", "disk"},
                                 {"SDL_DISKAUDIOFILE", fifo}});
    if (!child.started()) return std::nullopt;
    const std::optional<std::int64_t> heard =
        watch.awaitFirstSound(t0 + kGiveUpNanos, [&child] { return child.running(); });
    const double cpuMs = cpuSecondsOf(child.pid()).value_or(0.0) * 1000.0;
    const double queuedMs = runQueueWaitSecondsOf(child.pid()).value_or(0.0) * 1000.0;
    child.end();
    if (!heard) return std::nullopt;
    return StartSample{static_cast<double>(*heard - t0) / 1e6,
                       static_cast<double>(watch.silentBytes()) / kStreamBytesPerMs, cpuMs,
                       queuedMs};
}

std::string tempFolder() {
    char pattern[] = "/tmp/gus-bench-start-XXXXXX";
    const char* made = mkdtemp(pattern);
    return made != nullptr ? made : "/tmp";
}

void printStarts(const StartSample& first, const std::vector<StartSample>& warm) {
    std::vector<double> toSound;
    std::vector<double> silence;
    std::vector<double> cpu;
    std::vector<double> queued;
    std::vector<double> unqueued;
    for (const StartSample& s : warm) {
        unqueued.push_back(s.toSoundMs - s.queuedMs);
        toSound.push_back(s.toSoundMs);
        silence.push_back(s.silenceMs);
        cpu.push_back(s.cpuMs);
        queued.push_back(s.queuedMs);
    }
    const Summary t = summarize(toSound);
    printRow({"start to first audible menu frame, warm",
              "med " + fixed(t.median, 1) + "  p99 " + fixed(t.p99, 1) + "  max " +
                  fixed(t.max, 1) + " ms (n=" + std::to_string(t.count) + ")",
              "< 300 ms", t.p99 < kGoalMs,
              "Qt " + displayPlatform() + ", SDL disk driver into a FIFO, default pacing"});
    printNote("first start of the series (not counted): " + fixed(first.toSoundMs, 1) + " ms");
    printNote("of which the device was open and writing silence (median): " +
              fixed(summarize(silence).median, 1) + " ms; before that, exec to device open");
    printNote("by then (medians) the program had used " + fixed(summarize(cpu).median, 0) +
              " ms of CPU (10 ms ticks), and its main thread had waited " +
              fixed(summarize(queued).median, 1) + " ms for a CPU (max " +
              fixed(summarize(queued).max, 1) + ")");
    const Summary u = summarize(unqueued);
    printNote("less that wait (an estimate for an idle machine): med " + fixed(u.median, 1) +
              "  p99 " + fixed(u.p99, 1) + "  max " + fixed(u.max, 1) + " ms");
    printNote("the driver writes through a 4 KiB stdio buffer: sound can reach the FIFO up to");
    printNote("one 5.3 ms buffer late; no sound server or hardware latency is included");
}

}  // namespace

int measureStartLatency(const std::string& program, int warmRuns) {
    const std::string folder = tempFolder();
    std::vector<StartSample> samples;
    for (int run = 0; run <= warmRuns; ++run) {
        const std::optional<StartSample> s = oneStart(program, folder + "/stream.f32");
        if (!s) {
            rmdir(folder.c_str());
            printRow({"start to first audible menu frame",
                      "no sound: it ended or 10 s passed (run " + std::to_string(run) + ")",
                      "< 300 ms", false, "SDL disk driver"});
            return 1;
        }
        samples.push_back(*s);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    rmdir(folder.c_str());
    printStarts(samples.front(), {samples.begin() + 1, samples.end()});
    return 0;
}

}  // namespace gus::bench
