// Reading /proc and getrusage.
#include "bench/program/proc_usage.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace gus::bench {

namespace {

std::string procFile(pid_t pid, const char* name) {
    const std::string who = pid == 0 ? std::string("self") : std::to_string(pid);
    return "/proc/" + who + "/" + name;
}

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// utime + stime of a /proc stat line, with the command name that precedes them.
std::optional<ThreadTime> readStat(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    // The name sits in parentheses and may hold spaces: count the fields after the last ')'.
    const std::size_t open = line.find('(');
    const std::size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 1));
    std::string skip;
    for (int i = 0; i < 11; ++i) fields >> skip;  // state .. cmajflt (fields 3 to 13)
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    if (!(fields >> utime >> stime)) return std::nullopt;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return ThreadTime{line.substr(open + 1, close - open - 1),
                      static_cast<double>(utime + stime) / ticks};
}

// A "Key:  N kB" line of /proc/PID/status, in megabytes.
std::optional<double> statusMegabytes(pid_t pid, const std::string& wanted) {
    std::ifstream in(procFile(pid, "status"));
    std::string key;
    while (in >> key) {
        if (key == wanted) {
            double kib = 0.0;
            if (!(in >> kib)) return std::nullopt;
            return kib * 1024.0 / 1e6;
        }
        in.ignore(1 << 16, '\n');
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> cpuSecondsOf(pid_t pid) {
    const std::optional<ThreadTime> t = readStat(procFile(pid, "stat"));
    if (!t) return std::nullopt;
    return t->seconds;
}

std::optional<double> runQueueWaitSecondsOf(pid_t pid) {
    std::ifstream in(procFile(pid, "schedstat"));
    unsigned long long running = 0;
    unsigned long long waiting = 0;
    if (!(in >> running >> waiting)) return std::nullopt;
    return static_cast<double>(waiting) / 1e9;
}

std::map<pid_t, ThreadTime> threadCpuSecondsOf(pid_t pid) {
    std::map<pid_t, ThreadTime> out;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(procFile(pid, "task"), error)) {
        const std::string tid = entry.path().filename().string();
        if (auto t = readStat(entry.path().string() + "/stat")) {
            out[static_cast<pid_t>(std::stol(tid))] = *t;
        }
    }
    return out;
}

std::optional<double> peakResidentMegabytes(pid_t pid) {
    return statusMegabytes(pid, "VmHWM:");
}

std::optional<double> residentMegabytes(pid_t pid) {
    return statusMegabytes(pid, "VmRSS:");
}

double ownCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<CpuShare::Sample> CpuShare::sample() const {
    const std::optional<double> cpu = pid_ == 0 ? ownCpuSeconds() : cpuSecondsOf(pid_);
    if (!cpu) return std::nullopt;
    return Sample{*cpu, steadyNanos(), threadCpuSecondsOf(pid_)};
}

bool CpuShare::start() {
    const std::optional<Sample> s = sample();
    if (s) first_ = *s;
    return s.has_value();
}

bool CpuShare::stop() {
    const std::optional<Sample> s = sample();
    if (s) last_ = *s;
    return s.has_value();
}

double CpuShare::wallSeconds() const {
    return static_cast<double>(last_.wall - first_.wall) / 1e9;
}

double CpuShare::percentOfOneCore() const {
    const double wall = wallSeconds();
    return wall > 0.0 ? 100.0 * (last_.cpu - first_.cpu) / wall : 0.0;
}

std::vector<std::pair<double, std::string>> CpuShare::threadPercents() const {
    std::vector<std::pair<double, std::string>> shares;
    const double wall = wallSeconds();
    if (wall <= 0.0) return shares;
    for (const auto& [tid, t] : last_.threads) {
        const auto before = first_.threads.find(tid);
        const double used =
            t.seconds - (before != first_.threads.end() ? before->second.seconds : 0.0);
        // The thread whose id is the process's own is the one Qt's event loop runs on.
        const pid_t process = pid_ == 0 ? getpid() : pid_;
        const std::string name = tid == process ? "main(" + t.name + ")" : t.name;
        if (used > 0.0) shares.emplace_back(100.0 * used / wall, name);
    }
    std::sort(shares.rbegin(), shares.rend());
    return shares;
}

}  // namespace gus::bench
