// Reading /proc/PID/stat, schedstat and status, and getrusage for this process.
#include "bench/program/process.h"

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "bench/common/measure.h"

namespace gus::bench {

namespace {

std::string procPath(pid_t pid, const std::string& name) {
    return "/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/" + name;
}

double statusMegabytes(pid_t pid, const std::string& wanted) {
    std::ifstream in(procPath(pid, "status"));
    std::string key;
    double kib = 0.0;
    while (in >> key) {
        if (key == wanted) return in >> kib ? kib * 1024.0 / 1e6 : 0.0;
        in.ignore(1 << 16, '\n');
    }
    return 0.0;
}

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

}  // namespace

double cpuSecondsOf(pid_t pid) {
    if (pid == 0) {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        return seconds(u.ru_utime) + seconds(u.ru_stime);
    }
    // utime and stime follow the command name, which sits in parentheses and may hold spaces:
    // the fields are counted after the last ')'.
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

double peakResidentMegabytes(pid_t pid) {
    return statusMegabytes(pid, "VmHWM:");
}

double residentMegabytes(pid_t pid) {
    return statusMegabytes(pid, "VmRSS:");
}

bool CpuShare::take(Sample& s) const {
    s.cpu = cpuSecondsOf(pid_);
    s.wall = nowNanos();
    return s.cpu >= 0.0;
}

double CpuShare::wallSeconds() const {
    return static_cast<double>(last_.wall - first_.wall) / 1e9;
}

double CpuShare::percentOfOneCore() const {
    const double wall = wallSeconds();
    return wall > 0.0 ? 100.0 * (last_.cpu - first_.cpu) / wall : 0.0;
}

}  // namespace gus::bench
