#include "tools/sim_options.h"

#include <charconv>
#include <string_view>

namespace sim {

const char kUsage[] =
    "usage: grt8-sim [options]\n"
    "Plays a GRT-8 module on a pseudo-terminal. Prints the terminal's path, then the line\n"
    "GRT8_COM1=<path>, and serves until SIGTERM or SIGINT.\n"
    "  --link PATH             also make PATH a symbolic link to the terminal\n"
    "  --ready-file PATH       write the terminal's path to PATH once it is ready\n"
    "  --memory FILE           start with the 512 raw bytes of FILE (default: zeros)\n"
    "  --dump FILE             write the 512 memory bytes to FILE on exit\n"
    "  --version TEXT          answer 'v' with TEXT (default G8v1.07)\n"
    "  --fast                  send replies at once instead of at 1200 baud\n"
    "  --log                   log every frame to standard error\n"
    "  --exit-after-restart    exit once a restart frame has come\n"
    "faults (BLOCK is 1 to 4, the 128-byte block a frame's address falls in):\n"
    "  --silent                never answer\n"
    "  --bad-check-byte BLOCK:K    spoil the check byte of the first K reads of BLOCK\n"
    "  --short-reply BLOCK:K       leave the check byte off the first K reads of BLOCK\n"
    "  --corrupt-write BLOCK:K     store one wrong byte for the first K writes to BLOCK\n"
    "  --noise-after-write N       send N bytes of noise after every write frame\n"
    "  --hang-up-after N           hang up when a byte comes after N frames\n";

namespace {

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<BlockFault> ParseBlockFault(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> block = ParseCount(text.substr(0, colon));
    const std::optional<int> times = ParseCount(text.substr(colon + 1));
    if (!block || !times || *block < 1 || *block > 4) {
        return std::nullopt;
    }
    return BlockFault{*block, *times};
}

BlockFault* BlockFaultNamed(Faults& faults, std::string_view name) {
    if (name == "--bad-check-byte") {
        return &faults.badCheckByte;
    }
    if (name == "--short-reply") {
        return &faults.shortReply;
    }
    return &faults.corruptWrite;
}

// Stores the value of one option that takes an argument; false when the value is malformed.
bool StoreValue(Options& options, std::string_view name, const char* value) {
    const std::string_view text = value;
    if (name == "--link") {
        options.linkPath = value;
    } else if (name == "--ready-file") {
        options.readyFile = value;
    } else if (name == "--memory") {
        options.memoryFile = value;
    } else if (name == "--dump") {
        options.dumpFile = value;
    } else if (name == "--version") {
        options.version = value;
    } else if (name == "--noise-after-write" || name == "--hang-up-after") {
        const std::optional<int> count = ParseCount(text);
        if (!count) {
            return false;
        }
        if (name == "--hang-up-after") {
            options.hangUpAfterFrames = *count;
        } else {
            options.faults.noiseAfterWrite = static_cast<std::size_t>(*count);
        }
    } else {
        const std::optional<BlockFault> fault = ParseBlockFault(text);
        if (!fault) {
            return false;
        }
        *BlockFaultNamed(options.faults, name) = *fault;
    }
    return true;
}

bool TakesValue(std::string_view name) {
    for (std::string_view known :
         {"--link", "--ready-file", "--memory", "--dump", "--version", "--noise-after-write",
          "--hang-up-after", "--bad-check-byte", "--short-reply", "--corrupt-write"}) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

bool StoreFlag(Options& options, std::string_view name) {
    if (name == "--fast") {
        options.fast = true;
    } else if (name == "--log") {
        options.log = true;
    } else if (name == "--exit-after-restart") {
        options.exitAfterRestart = true;
    } else if (name == "--silent") {
        options.faults.silent = true;
    } else {
        return false;
    }
    return true;
}

} // namespace

ParsedOptions ParseOptions(int argc, const char* const* argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            return {};
        }
        if (TakesValue(name)) {
            if (i + 1 >= argc) {
                return {std::nullopt, std::string(name) + " needs a value"};
            }
            if (!StoreValue(options, name, argv[++i])) {
                return {std::nullopt, std::string("bad value for ") + std::string(name)};
            }
        } else if (!StoreFlag(options, name)) {
            return {std::nullopt, "unknown option " + std::string(name)};
        }
    }
    return {options, {}};
}

} // namespace sim
