// Reading /proc/PID/stat and status, and the process clock for this process.
#include "bench/program/process.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>

#include "bench/common/measure.h"

namespace gus::bench {

namespace {

std::string procPath(pid_t pid, const std::string& name) {
    return "/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/" + name;
}

// User plus system time in seconds; negative when unreadable. utime and stime follow the command
// name, which sits in parentheses and may hold spaces: the fields are counted after the last ')'.
double cpuSecondsOf(pid_t pid) {
    if (pid == 0) return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    std::ifstream in(procPath(pid, "stat"));
    std::string line;
    if (!std::getline(in, line) || line.rfind(')') == std::string::npos) return -1.0;
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string skip;
    for (int i = 0; i < 11; ++i) fields >> skip;  // state .. cmajflt (fields 3 to 13)
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    if (!(fields >> utime >> stime)) return -1.0;
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

double peakResidentMegabytes(pid_t pid) {
    std::ifstream in(procPath(pid, "status"));
    std::string key;
    double kib = 0.0;
    while (in >> key) {
        if (key == "VmHWM:") return in >> kib ? kib * 1024.0 / 1e6 : 0.0;
        in.ignore(1 << 16, '\n');
    }
    return 0.0;
}

bool CpuShare::take(double& cpu, std::int64_t& wall) const {
    cpu = cpuSecondsOf(pid_);
    wall = nowNanos();
    return cpu >= 0.0;
}

}  // namespace gus::bench
