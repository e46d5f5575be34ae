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

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "bench/common/measure.h"
#include "bench/program/process.h"

extern char** environ;

namespace gus::bench {

namespace {

constexpr std::int64_t kGiveUpNanos = 10'000'000'000;
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

// A FIFO stands in for the disk driver's file, so a read returns as soon as the driver has
// written; opened non-blocking before the writer exists. Silence is all-zero float samples.
// Milliseconds from the spawn to the first sound, or nothing.
std::optional<double> oneStart(const std::string& program, const std::string& fifo) {
    unlink(fifo.c_str());
    if (mkfifo(fifo.c_str(), 0600) != 0) return std::nullopt;
    const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const std::int64_t t0 = nowNanos();
    Child child(program);
    std::int64_t heard = 0;
    std::vector<float> buffer(1 << 14);
    while (heard == 0 && fd >= 0 && nowNanos() - t0 < kGiveUpNanos && child.running()) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        const ssize_t got = read(fd, buffer.data(), buffer.size() * sizeof(float));
        if (got == 0) break;  // the writer closed: the program has gone
        const auto end = buffer.begin() + got / static_cast<ssize_t>(sizeof(float));
        if (std::any_of(buffer.begin(), end, [](float f) { return f != 0.0F; })) heard = nowNanos();
    }
    if (fd >= 0) close(fd);
    unlink(fifo.c_str());
    if (heard == 0) return std::nullopt;
    return static_cast<double>(heard - t0) / 1e6;
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
    std::vector<double> ms;
    for (int run = 0; run <= warmRuns; ++run) {
        const std::optional<double> heard = oneStart(program, folder + "/stream.f32");
        if (!heard) {
            rmdir(folder.c_str());
            printRow({"start to first audible menu frame",
                      "no sound: it ended or 10 s passed (run " + std::to_string(run) + ")",
                      "< 300 ms", false, "SDL disk driver"});
            return 1;
        }
        if (run > 0) ms.push_back(*heard);  // the first start warms the caches
        sleepSeconds(0.1);
    }
    rmdir(folder.c_str());
    const Summary t = summarize(ms);
    printRow({"start to first audible menu frame, warm", spread(t, "ms", 1), "< 300 ms",
              t.p99 < 300.0, "Qt " + display() + ", SDL disk driver into a FIFO"});
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
    if (!child.running() || !started || !stopped || peak <= 0.0) {
        printRow(
            {"CPU, menu music looping", "the program did not stay up", "< 1 %", false, conditions});
        return 1;
    }
    const double percent = share.percentOfOneCore();
    printRow({"CPU, menu music looping",
              fixed(percent, 2) + " % of a core over " + fixed(share.wallSeconds(), 1) + " s",
              "< 1 %", percent < 1.0, conditions + ", /proc/PID/stat in 10 ms ticks"});
    printRow({"peak resident memory, menu", fixed(peak, 1) + " MB (VmHWM)", "< 80 MB", peak < 80.0,
              conditions + ", after " + fixed(kSettleSeconds + share.wallSeconds(), 0) + " s"});
    return 0;
}

}  // namespace gus::bench
