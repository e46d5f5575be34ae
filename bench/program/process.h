// The whole program measured: CPU time and resident memory of a process as the kernel accounts
// them, and the measurements made from outside, on the program run as a child.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace gus::bench {

// User plus system time of process `pid`, in seconds; the kernel counts it in clock ticks (10 ms
// here). This process (0) is read from getrusage, to the microsecond. Negative when unreadable.
double cpuSecondsOf(pid_t pid);
// VmHWM ("peak") or VmRSS (now), in megabytes of 10^6 bytes; 0 when it cannot be read.
double peakResidentMegabytes(pid_t pid);
double residentMegabytes(pid_t pid);

// CPU time over wall time between start() and stop(): the share of one core, in percent.
class CpuShare {
  public:
    explicit CpuShare(pid_t pid = 0) : pid_(pid) {}
    bool start() { return take(first_); }
    bool stop() { return take(last_); }
    double percentOfOneCore() const;
    double wallSeconds() const;

  private:
    struct Sample {
        double cpu = 0.0;
        std::int64_t wall = 0;
    };
    bool take(Sample& s) const;

    pid_t pid_;
    Sample first_;
    Sample last_;
};

// Starts `program` 1 + `warmRuns` times on SDL's disk driver writing into a FIFO; prints the row
// for the warm starts. 1: a start gave no sound.
int measureStarts(const std::string& program, int warmRuns);
// Runs `program` on SDL's dummy driver, lets it settle, then measures its menu over `seconds`.
int measureMenu(const std::string& program, double seconds);

}  // namespace gus::bench
