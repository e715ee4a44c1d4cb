#include "bench/bench_port.h"

#include "tools/sim_process.h"

#include <cstdio>

std::optional<ModulePort> BenchPort(int argc, char** argv) {
    if (argc > 1) {
        return ModulePort::Device(argv[1]);
    }
    // Runs for as long as the benchmark.
    static SimProcess simulator(GRT8_SIM_PATH, {});
    if (simulator.path().empty()) {
        std::fprintf(stderr, "grt8-sim did not start\n");
        return std::nullopt;
    }
    return ModulePort::Device(simulator.path());
}
