// bench_program_launch: measures the real `gusanicida` from outside, as a child process.
#include <cstdio>
#include <string>

#include "bench/program/menu_usage.h"
#include "bench/program/start_latency.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: bench_program_launch start PROGRAM [WARM_RUNS=20]\n"
                 "       bench_program_launch menu PROGRAM [SECONDS=20]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const std::string mode = argv[1];
    const std::string program = argv[2];
    if (mode == "start") {
        const int runs = argc > 3 ? std::stoi(argv[3]) : 20;
        return runs < 1 ? usage() : gus::bench::measureStartLatency(program, runs);
    }
    if (mode == "menu") {
        const double seconds = argc > 3 ? std::stod(argv[3]) : 20.0;
        return seconds <= 0.0 ? usage() : gus::bench::measureMenuUsage(program, seconds);
    }
    return usage();
}
