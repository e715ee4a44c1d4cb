#pragma once

#include "tools/sim_module.h"

#include <optional>
#include <string>

namespace sim {

struct Options {
    std::string linkPath;
    std::string readyFile;
    std::string memoryFile;
    std::string dumpFile;
    std::string version = "G8v1.07";
    bool fast = false;
    bool log = false;
    bool exitAfterRestart = false;
    // Hang up when a byte arrives after this many frames; 0 never.
    int hangUpAfterFrames = 0;
    Faults faults;
};

struct ParsedOptions {
    std::optional<Options> options;
    // Why the command line was refused; empty together with no options means --help.
    std::string error;
};

ParsedOptions ParseOptions(int argc, const char* const* argv);

extern const char kUsage[];

} // namespace sim
