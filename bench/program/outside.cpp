// The real `gusanicida` measured from outside, as a child process: start to its first sound on
// SDL's disk driver writing into a FIFO, then CPU and memory while it idles on its menu.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "bench/common/measure.h"
#include "bench/program/process.h"

extern char** environ;

namespace gus::bench {

namespace {

constexpr std::int64_t kGiveUpNanos = 10'000'000'000;
constexpr double kStreamBytesPerMs = 48.0 * 2 * sizeof(float);  // 48 kHz float stereo
constexpr double kSettleSeconds = 3.0;  // start-up (decoding the music) is not idling

std::string display() {
    const char* qpa = getenv("QT_QPA_PLATFORM");
    return qpa != nullptr && *qpa != '\0' ? qpa : "offscreen";
}

// The program with this process's environment, its output to /dev/null so that Qt's warnings
// cost nothing; ended (SIGTERM, then SIGKILL after two seconds) and reaped when it goes.
class Child {
  public:
    explicit Child(const std::string& path) {
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (!running()) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 200 && running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!running()) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    pid_t pid() const { return pid_; }
    bool running() {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) pid_ = -1;
        return pid_ > 0;
    }

  private:
    pid_t pid_ = -1;
};

struct Start {
    double toSoundMs = 0.0;
    double silenceMs = 0.0;  // stream written before the music: the device ran that long first
    double cpuMs = 0.0;      // the program's own CPU time up to then
    double queuedMs = 0.0;   // its main thread runnable but not running: other work in the way
};

// A FIFO stands in for the disk driver's file, so a read returns as soon as the driver has
// written; opened non-blocking before the writer exists. Silence is all-zero float samples.
bool oneStart(const std::string& program, const std::string& fifo, Start& start) {
    unlink(fifo.c_str());
    if (mkfifo(fifo.c_str(), 0600) != 0) return false;
    const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const std::int64_t t0 = nowNanos();
    Child child(program);
    std::int64_t heard = 0;
    std::uint64_t silent = 0;
    std::vector<unsigned char> buffer(1 << 16);
    while (heard == 0 && fd >= 0 && nowNanos() - t0 < kGiveUpNanos && child.running()) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        if (got == 0) break;  // the writer closed: the program has gone
        for (ssize_t i = 0; i + 4 <= got && heard == 0; i += 4) {
            float sample = 0.0F;
            std::memcpy(&sample, &buffer[static_cast<std::size_t>(i)], sizeof sample);
            if (sample != 0.0F)
                heard = nowNanos();
            else
                silent += sizeof sample;
        }
    }
    start = {static_cast<double>(heard - t0) / 1e6, static_cast<double>(silent) / kStreamBytesPerMs,
             cpuSecondsOf(child.pid()) * 1000.0, runQueueWaitSecondsOf(child.pid()) * 1000.0};
    if (fd >= 0) close(fd);
    unlink(fifo.c_str());
    return heard != 0;
}

void printStarts(const std::vector<Start>& starts) {
    std::vector<double> toSound, silence, cpu, queued, unqueued;
    for (std::size_t i = 1; i < starts.size(); ++i) {
        toSound.push_back(starts[i].toSoundMs);
        silence.push_back(starts[i].silenceMs);
        cpu.push_back(starts[i].cpuMs);
        queued.push_back(starts[i].queuedMs);
        unqueued.push_back(starts[i].toSoundMs - starts[i].queuedMs);
    }
    const Summary t = summarize(toSound);
    printRow({"start to first audible menu frame, warm", spread(t, "ms", 1), "< 300 ms",
              t.p99 < 300.0, "Qt " + display() + ", SDL disk driver into a FIFO, default pacing"});
    printNote("first start of the series (not counted): " + fixed(starts[0].toSoundMs, 1) + " ms");
    printNote("of which the device was open and writing silence (median): " +
              fixed(summarize(silence).median, 1) + " ms; before that, exec to device open");
    printNote("by then (medians) the program had used " + fixed(summarize(cpu).median, 0) +
              " ms of CPU (10 ms ticks), and its main thread had waited " +
              fixed(summarize(queued).median, 1) + " ms for a CPU (max " +
              fixed(summarize(queued).max, 1) + ")");
    printNote("less that wait (an estimate for an idle machine): " +
              spread(summarize(unqueued), "ms", 1));
    printNote("the driver writes through a 4 KiB stdio buffer: sound can reach the FIFO up to one");
    printNote("5.3 ms buffer late; no sound server or hardware latency is included");
}

void sleepSeconds(double s) {
    std::this_thread::sleep_for(std::chrono::duration<double>(s));
}

}  // namespace

int measureStarts(const std::string& program, int warmRuns) {
    char pattern[] = "/tmp/gus-bench-start-XXXXXX";
    const std::string folder = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
    setenv("QT_QPA_PLATFORM", display().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder + "/stream.f32").c_str(), 1);
    std::vector<Start> starts(static_cast<std::size_t>(warmRuns) + 1);
    for (std::size_t run = 0; run < starts.size(); ++run) {
        if (!oneStart(program, folder + "/stream.f32", starts[run])) {
            rmdir(folder.c_str());
            printRow({"start to first audible menu frame",
                      "no sound: it ended or 10 s passed (run " + std::to_string(run) + ")",
                      "< 300 ms", false, "SDL disk driver"});
            return 1;
        }
        sleepSeconds(0.1);
    }
    rmdir(folder.c_str());
    printStarts(starts);
    return 0;
}

int measureMenu(const std::string& program, double seconds) {
    const std::string conditions = "Qt " + display() + ", SDL dummy driver";
    setenv("QT_QPA_PLATFORM", display().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Child child(program);
    CpuShare share(child.pid());
    sleepSeconds(kSettleSeconds);
    const bool started = share.start();
    sleepSeconds(seconds);
    const bool stopped = share.stop();
    const double peak = peakResidentMegabytes(child.pid());
    const double now = residentMegabytes(child.pid());
    if (!child.running() || !started || !stopped || peak <= 0.0) {
        printRow(
            {"CPU, menu music looping", "the program did not stay up", "< 1 %", false, conditions});
        return 1;
    }
    const double percent = share.percentOfOneCore();
    printRow({"CPU, menu music looping",
              fixed(percent, 2) + " % of a core over " + fixed(share.wallSeconds(), 1) + " s",
              "< 1 %", percent < 1.0, conditions + ", /proc/PID/stat"});
    printNote("the kernel counts in 10 ms ticks: +/- " + fixed(1.0 / share.wallSeconds(), 2) +
              " % over this run");
    printRow({"peak resident memory, menu", fixed(peak, 1) + " MB (VmHWM)", "< 80 MB", peak < 80.0,
              conditions + ", after " + fixed(kSettleSeconds + share.wallSeconds(), 0) + " s"});
    printNote("resident at the end: " + fixed(now, 1) + " MB");
    return 0;
}

}  // namespace gus::bench
