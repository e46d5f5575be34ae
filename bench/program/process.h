// The whole program measured: CPU time and peak memory of a process as the kernel accounts them,
// and the measurements made from outside, on the program run as a child.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace gus::bench {

// Peak resident memory (VmHWM) in megabytes of 10^6 bytes; 0 when it cannot be read.
double peakResidentMegabytes(pid_t pid);

// CPU time over wall time between start() and stop(): the share of one core, in percent. A child
// is read from /proc/PID/stat in clock ticks (10 ms here); this process (0) to the microsecond.
class CpuShare {
  public:
    explicit CpuShare(pid_t pid = 0) : pid_(pid) {}
    bool start() { return take(firstCpu_, firstWall_); }
    bool stop() { return take(lastCpu_, lastWall_); }
    double wallSeconds() const { return static_cast<double>(lastWall_ - firstWall_) / 1e9; }
    double percentOfOneCore() const { return 100.0 * (lastCpu_ - firstCpu_) / wallSeconds(); }

  private:
    bool take(double& cpu, std::int64_t& wall) const;

    pid_t pid_;
    double firstCpu_ = 0.0, lastCpu_ = 0.0;
    std::int64_t firstWall_ = 0, lastWall_ = 0;
};

// Starts `program` 1 + `warmRuns` times on SDL's disk driver writing into a FIFO; prints the row
// for the warm starts. 1: a start gave no sound.
int measureStarts(const std::string& program, int warmRuns);
// Runs `program` on SDL's dummy driver, lets it settle, then measures its menu over `seconds`.
int measureMenu(const std::string& program, double seconds);

}  // namespace gus::bench
