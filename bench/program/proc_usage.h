// CPU time and peak resident memory of a process, as the kernel accounts them.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gus::bench {

// User plus system time of every thread of process `pid` (0: this one), in seconds, from
// /proc/PID/stat; the kernel counts it in clock ticks (10 ms here).
std::optional<double> cpuSecondsOf(pid_t pid);

// The same per thread: name (as the kernel shows it) and seconds, keyed by thread id.
struct ThreadTime {
    std::string name;
    double seconds = 0.0;
};
std::map<pid_t, ThreadTime> threadCpuSecondsOf(pid_t pid);

// Time the process's main thread has spent runnable but waiting for a CPU, in seconds, from
// /proc/PID/schedstat: how much of a delay was other work on the machine.
std::optional<double> runQueueWaitSecondsOf(pid_t pid);

// VmHWM from /proc/PID/status (0: this one): the most resident memory the process ever had, in
// megabytes of 10^6 bytes.
std::optional<double> peakResidentMegabytes(pid_t pid);
// VmRSS: what is resident now, in the same unit.
std::optional<double> residentMegabytes(pid_t pid);

// This process, all threads, from getrusage: microsecond resolution.
double ownCpuSeconds();

std::int64_t steadyNanos();

// CPU time over wall time between start() and stop(): the share of one core, in percent, for
// the whole process and for each of its threads.
class CpuShare {
  public:
    // 0: this process (whole-process time then from getrusage, to the microsecond).
    explicit CpuShare(pid_t pid = 0) : pid_(pid) {}

    // False when the process could not be read (it has gone).
    bool start();
    bool stop();
    double percentOfOneCore() const;
    double wallSeconds() const;
    // Threads that used any time in between, busiest first: percent of one core and name.
    std::vector<std::pair<double, std::string>> threadPercents() const;

  private:
    struct Sample {
        double cpu = 0.0;
        std::int64_t wall = 0;
        std::map<pid_t, ThreadTime> threads;
    };
    std::optional<Sample> sample() const;

    pid_t pid_;
    Sample first_;
    Sample last_;
};

}  // namespace gus::bench
