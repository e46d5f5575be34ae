// CPU time and resident memory of a process as the kernel accounts them, from /proc.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace gus::bench {

// User plus system time of process `pid`, in seconds; the kernel counts it in clock ticks (10 ms
// here). This process (0) is read from getrusage, to the microsecond. Negative when unreadable.
double cpuSecondsOf(pid_t pid);
// Time its main thread spent runnable but waiting for a CPU: how much of a delay was other work.
double runQueueWaitSecondsOf(pid_t pid);
// VmHWM ("peak") or VmRSS (now), in megabytes of 10^6 bytes; 0 when it cannot be read.
double peakResidentMegabytes(pid_t pid);
double residentMegabytes(pid_t pid);

// CPU time over wall time between start() and stop(): the share of one core, in percent, for
// the whole process and for each of its threads.
class CpuShare {
  public:
    explicit CpuShare(pid_t pid = 0) : pid_(pid) {}
    bool start() { return take(first_); }
    bool stop() { return take(last_); }
    double percentOfOneCore() const;
    double wallSeconds() const;
    // "by thread: main(name) 1.45 %,  SDLAudioP2 0.75 %", busiest first.
    std::string threadLine() const;

  private:
    struct Sample {
        double cpu = 0.0;
        std::int64_t wall = 0;
        std::map<pid_t, std::pair<std::string, double>> threads;  // name and seconds
    };
    bool take(Sample& s) const;

    pid_t pid_;
    Sample first_;
    Sample last_;
};

}  // namespace gus::bench
