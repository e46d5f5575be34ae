// /proc/PID/stat before and after a stretch of menu music, /proc/PID/status at the end.
#include "bench/program/menu_usage.h"

#include <stdlib.h>

#include <chrono>
#include <optional>
#include <thread>

#include "bench/program/child_process.h"
#include "bench/program/proc_usage.h"
#include "bench/program/report.h"

namespace gus::bench {

namespace {

constexpr double kSettleSeconds = 3.0;  // start-up (decoding the music) is not idling
constexpr double kGoalPercent = 1.0;
constexpr double kGoalMegabytes = 80.0;

std::string displayPlatform() {
    const char* qpa = getenv("QT_QPA_PLATFORM");
    return qpa != nullptr && *qpa != '\0' ? qpa : "offscreen";
}

void sleepSeconds(double s) {
    std::this_thread::sleep_for(std::chrono::duration<double>(s));
}

void printUsage(const CpuShare& share, double peak, double now, const std::string& conditions) {
    const double percent = share.percentOfOneCore();
    const double wall = share.wallSeconds();
    printRow({"CPU, menu music looping",
              fixed(percent, 2) + " % of a core over " + fixed(wall, 1) + " s", "< 1 %",
              percent < kGoalPercent, conditions + ", /proc/PID/stat"});
    printNote(threadLine(share.threadPercents()));
    printNote("the kernel counts in 10 ms ticks: +/- " + fixed(1.0 / wall, 2) + " % over this run");
    printRow({"peak resident memory, menu", fixed(peak, 1) + " MB (VmHWM)", "< 80 MB",
              peak < kGoalMegabytes,
              conditions + ", after " + fixed(kSettleSeconds + wall, 0) + " s"});
    printNote("resident at the end: " + fixed(now, 1) + " MB");
}

}  // namespace

int measureMenuUsage(const std::string& program, double seconds) {
    const std::string conditions = "Qt " + displayPlatform() + ", SDL dummy driver";
    ChildProcess child(program,
                       {{"QT_QPA_PLATFORM", displayPlatform()}, {"SDL_AUDIODRIVER", "dummy"}});
    CpuShare share(child.pid());
    sleepSeconds(kSettleSeconds);
    const bool started = share.start();
    sleepSeconds(seconds);
    const bool stopped = share.stop();
    const std::optional<double> peak = peakResidentMegabytes(child.pid());
    const std::optional<double> now = residentMegabytes(child.pid());
    if (!child.running() || !started || !stopped || !peak || !now) {
        printRow(
            {"CPU, menu music looping", "the program did not stay up", "< 1 %", false, conditions});
        return 1;
    }
    child.end();
    printUsage(share, *peak, *now, conditions);
    return 0;
}

}  // namespace gus::bench
