// The soak: round after round of version, send and read through the console's own menu commands
// against grt8-sim, in one process, every round verified. The descriptors, threads and resident
// memory after the last round must be those after the first.
//   grt8_soak [--rounds N] [--memory-growth-kb K]

#include "platform/application.h"
#include "tests/core/temporary_folder.h"
#include "tests/fault_matrix/sim_frame_log.h"
#include "tests/fault_matrix/working_folder.h"
#include "tests/soak/process_figures.h"
#include "tests/soak/soak_round.h"
#include "tools/sim_process.h"

#include <chrono>
#include <cstdlib>
#include <iostream>

namespace {

constexpr int kDefaultRounds = 200;
// Heaps keep some of what is freed for later; growth beyond this is taken for a leak.
constexpr long kDefaultMemoryGrowthKilobytes = 4096;
constexpr int kProgressEvery = 10;
const std::string kVersion = "G8v1.07";

struct Arguments {
    int rounds = kDefaultRounds;
    long memoryGrowthKilobytes = kDefaultMemoryGrowthKilobytes;
    bool valid = true;
};

Arguments ParseArguments(int argc, char* argv[]) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--rounds" && i + 1 < argc) {
            arguments.rounds = std::atoi(argv[++i]);
        } else if (option == "--memory-growth-kb" && i + 1 < argc) {
            arguments.memoryGrowthKilobytes = std::atol(argv[++i]);
        } else {
            arguments.valid = false;
        }
    }
    arguments.valid = arguments.valid && arguments.rounds >= 2;
    return arguments;
}

ModuleMemory ModuleAtStart() {
    ModuleMemory memory;
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 11 + 5);
    }
    return memory;
}

// Each round asks for three contacts, reads every block twice (read-back and read), writes each
// block once and restarts the module once.
FrameCounts FramesOfRounds(int rounds) {
    FrameCounts frames;
    frames.versions = 3 * rounds;
    frames.reads.fill(2 * rounds);
    frames.writes.fill(rounds);
    frames.restarts = rounds;
    return frames;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Figures {
    ProcessFigures afterFirst;
    ProcessFigures afterLast;
};

// Runs the rounds; false at the first round that did not go as designed.
bool RunRounds(ConsoleDriver& console, const Arguments& arguments, Figures& figures) {
    const auto start = std::chrono::steady_clock::now();
    for (int round = 1; round <= arguments.rounds; ++round) {
        const std::vector<std::string> problems =
            RunSoakRound(console, round, ModuleAtStart(), kVersion);
        for (const std::string& problem : problems) {
            std::cout << "round " << round << ": " << problem << '\n';
        }
        if (!problems.empty()) {
            return false;
        }
        const ProcessFigures now = MeasureProcess();
        if (round == 1) {
            figures.afterFirst = now;
        }
        if (round == 1 || round % kProgressEvery == 0 || round == arguments.rounds) {
            std::cout << "round " << round << " verified, " << SecondsSince(start) << " s, "
                      << Describe(now) << std::endl;
        }
        figures.afterLast = now;
    }
    return true;
}

bool Within(const ProcessFigures& first, const ProcessFigures& last, long memoryGrowthKilobytes) {
    return last.openDescriptors <= first.openDescriptors && last.threads <= first.threads &&
           last.residentKilobytes - first.residentKilobytes <= memoryGrowthKilobytes;
}

int Soak(const Arguments& arguments, const std::string& simulatorPath) {
    TemporaryFolder folder;
    const WorkingFolder workingFolder(folder.Path());
    const ModuleMemory start = ModuleAtStart();
    WriteAllBytes(folder / "module.bin", std::vector<unsigned char>(start.begin(), start.end()));
    SimProcess simulator(simulatorPath, {"--fast", "--log", "--version", kVersion, "--memory",
                                         (folder / "module.bin").string()});
    if (simulator.path().empty()) {
        std::cout << "the simulator did not start: " << simulator.ErrorOutput() << '\n';
        return 1;
    }
    Figures figures;
    bool passed = false;
    {
        ConsoleDriver console(simulator.path());
        passed = RunRounds(console, arguments, figures);
    }
    simulator.Stop();
    const FrameCounts frames = CountFrames(simulator.ErrorOutput());
    std::cout << "after round 1: " << Describe(figures.afterFirst) << '\n'
              << "after round " << arguments.rounds << ": " << Describe(figures.afterLast) << '\n'
              << "module frames:  " << Describe(frames) << '\n';
    if (passed && frames != FramesOfRounds(arguments.rounds)) {
        std::cout << "the module did not see the frames of " << arguments.rounds << " rounds\n";
        passed = false;
    }
    if (passed && !Within(figures.afterFirst, figures.afterLast, arguments.memoryGrowthKilobytes)) {
        std::cout << "resources grew beyond the tolerance of " << arguments.memoryGrowthKilobytes
                  << " kB resident and no descriptor or thread\n";
        passed = false;
    }
    std::cout << "soak: " << arguments.rounds << " rounds, " << (passed ? "passed" : "FAILED")
              << '\n';
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = ParseArguments(argc, argv);
    if (!arguments.valid) {
        std::cerr << "usage: grt8_soak [--rounds N (at least 2)] [--memory-growth-kb K]\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    UiToolkit toolkit(argc, argv);
    return Soak(arguments, GRT8_SIM_PATH);
}
