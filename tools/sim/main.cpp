// gusanicida-sim: replays a game on the simulated platform from commands on standard input.
#include <iostream>

#include "tools/sim/runner.h"

int main() {
    std::ios::sync_with_stdio(false);
    gus::SimRunner runner(std::cout, std::cerr);
    return runner.run(std::cin);
}
