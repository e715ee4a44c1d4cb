#include "bench/bench_port.h"

#include <cstdio>

// A Windows program cannot start grt8-sim: it runs on the build machine behind a COM port.
std::optional<ModulePort> BenchPort(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PORT (the COM port grt8-sim is linked to)\n", argv[0]);
        return std::nullopt;
    }
    return ModulePort::Device(argv[1]);
}
