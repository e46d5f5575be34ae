// Reading /proc/PID/stat, schedstat, status and task/*/stat.
#include "bench/program/proc_usage.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bench/common/measure.h"

namespace gus::bench {

namespace {

std::string procPath(pid_t pid, const std::string& name) {
    return "/proc/" + (pid == 0 ? std::string("self") : std::to_string(pid)) + "/" + name;
}

// The command name and utime + stime of a stat line. The name sits in parentheses and may hold
// spaces, so the fields are counted after the last ')'.
bool readStat(const std::string& path, std::string& name, double& seconds) {
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) return false;
    const std::size_t open = line.find('(');
    const std::size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return false;
    std::istringstream fields(line.substr(close + 1));
    std::string skip;
    for (int i = 0; i < 11; ++i) fields >> skip;  // state .. cmajflt (fields 3 to 13)
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    if (!(fields >> utime >> stime)) return false;
    name = line.substr(open + 1, close - open - 1);
    seconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
    return true;
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

}  // namespace

double cpuSecondsOf(pid_t pid) {
    if (pid == 0) {  // to the microsecond
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        const auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        return seconds(u.ru_utime) + seconds(u.ru_stime);
    }
    std::string name;
    double seconds = 0.0;
    return readStat(procPath(pid, "stat"), name, seconds) ? seconds : -1.0;
}

double runQueueWaitSecondsOf(pid_t pid) {
    std::ifstream in(procPath(pid, "schedstat"));
    unsigned long long running = 0;
    unsigned long long waiting = 0;
    return in >> running >> waiting ? static_cast<double>(waiting) / 1e9 : 0.0;
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
    s.threads.clear();
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(procPath(pid_, "task"), error)) {
        std::string name;
        double seconds = 0.0;
        if (readStat(task.path().string() + "/stat", name, seconds))
            s.threads[std::stoi(task.path().filename().string())] = {name, seconds};
    }
    return s.cpu >= 0.0;
}

double CpuShare::wallSeconds() const {
    return static_cast<double>(last_.wall - first_.wall) / 1e9;
}

double CpuShare::percentOfOneCore() const {
    const double wall = wallSeconds();
    return wall > 0.0 ? 100.0 * (last_.cpu - first_.cpu) / wall : 0.0;
}

std::string CpuShare::threadLine() const {
    std::vector<std::pair<double, std::string>> shares;
    const pid_t process = pid_ == 0 ? getpid() : pid_;
    for (const auto& [tid, t] : last_.threads) {
        const auto before = first_.threads.find(tid);
        const double used = t.second - (before != first_.threads.end() ? before->second.second : 0);
        // The thread whose id is the process's own is the one Qt's event loop runs on.
        const std::string name = tid == process ? "main(" + t.first + ")" : t.first;
        if (used > 0.0 && wallSeconds() > 0.0)
            shares.emplace_back(100.0 * used / wallSeconds(), name);
    }
    std::sort(shares.rbegin(), shares.rend());
    if (shares.empty()) return "by thread: none used a whole clock tick (10 ms)";
    std::string out;
    for (const auto& [percent, name] : shares)
        out += (out.empty() ? "by thread: " : ",  ") + name + " " + fixed(percent, 2) + " %";
    return out;
}

}  // namespace gus::bench
