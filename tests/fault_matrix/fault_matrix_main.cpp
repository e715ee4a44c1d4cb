// The fault matrix: the console's module commands, through its own menu, against grt8-sim on a
// pseudo-terminal with each fault the simulator injects, every case in a process of its own,
// four at a time, and checked against its whole expected outcome in expected/NAME.txt. The soak
// is one of the cases: a round of version, send and read, run again and again in one console.
//   grt8_fault_matrix [--rounds N] [--write-expected]
//   grt8_fault_matrix --case NAME [--rounds N] [--write-expected]    one case in this process
// --rounds: the soak's rounds (4); --write-expected: writes each outcome as the expected one.

#include "platform/application.h"
#include "tests/fault_matrix/case_run.h"
#include "tests/fault_matrix/transcript.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

namespace {

constexpr int kJobs = 4;
constexpr int kSecondsPerRound = 240;
// Heaps keep some of what is freed for later; growth beyond this is taken for a leak.
constexpr long kResidentGrowthKilobytes = 4096;
const std::filesystem::path kExpectedFolder = GRT8_EXPECTED_FOLDER;

struct Arguments {
    std::string caseName;
    int rounds = 4;
    bool writeExpected = false;
    bool valid = true;
};

Arguments ParseArguments(int argc, char* argv[]) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--case" && i + 1 < argc) {
            arguments.caseName = argv[++i];
        } else if (option == "--rounds" && i + 1 < argc) {
            arguments.rounds = std::max(1, std::atoi(argv[++i]));
        } else {
            arguments.valid = arguments.valid && option == "--write-expected";
            arguments.writeExpected = true;
        }
    }
    return arguments;
}

// Open descriptors, threads and resident kilobytes of this process.
std::array<long, 3> ProcessFigures() {
    std::array<long, 3> figures{};
    figures[0] = std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    std::ifstream status("/proc/self/status");
    for (std::string name; status >> name;) {
        if (name == "Threads:") {
            status >> figures[1];
        } else if (name == "VmRSS:") {
            status >> figures[2];
        }
    }
    return figures;
}

// The descriptors and threads after the last round must be those after the first; the resident
// memory may have grown a little.
bool SoakHeld(const std::array<long, 3>& first, const std::array<long, 3>& last, int rounds) {
    std::printf("after round 1 and %d: %ld and %ld descriptors, %ld and %ld threads, %ld and %ld "
                "kB resident\n",
                rounds, first[0], last[0], first[1], last[1], first[2], last[2]);
    return last[0] <= first[0] && last[1] <= first[1] &&
           last[2] - first[2] <= kResidentGrowthKilobytes;
}

bool Matches(const FaultCase& fc, const std::string& seen, int round) {
    std::ifstream file(kExpectedFolder / (fc.name + ".txt"));
    const std::string expected{std::istreambuf_iterator<char>(file), {}};
    if (AllowingMissingWriteErrors(seen, expected, fc.writeErrorsInFlight) == expected) {
        return true;
    }
    std::cout << "round " << round << " differs from expected/" << fc.name << ".txt:\n" << seen;
    return false;
}

int RunOneCase(const FaultCase& fc, const Arguments& arguments) {
    const int rounds = fc.soak ? arguments.rounds : 1;
    Console console;
    std::array<long, 3> afterFirst{};
    for (int round = 1; round <= rounds; ++round) {
        const std::string seen = RunCase(fc, console, GRT8_SIM_PATH);
        if (arguments.writeExpected) {
            std::ofstream(kExpectedFolder / (fc.name + ".txt")) << seen;
        } else if (!Matches(fc, seen, round)) {
            return 1;
        }
        afterFirst = round == 1 ? ProcessFigures() : afterFirst;
    }
    return rounds == 1 || SoakHeld(afterFirst, ProcessFigures(), rounds) ? 0 : 1;
}

struct ChildOutcome {
    int status = -1;
    std::string output;
    double seconds = 0;
};

ChildOutcome RunChild(const FaultCase& fc, const Arguments& arguments) {
    const int rounds = fc.soak ? arguments.rounds : 1;
    const std::string command = "timeout -k 5 " + std::to_string(kSecondsPerRound * rounds) + " '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --case " + fc.name + " --rounds " + std::to_string(rounds) +
                                (arguments.writeExpected ? " --write-expected" : "") + " 2>&1";
    const auto start = std::chrono::steady_clock::now();
    ChildOutcome outcome;
    FILE* pipe = popen(command.c_str(), "re");
    char chunk[4096];
    for (std::size_t got; pipe != nullptr && (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
        outcome.output.append(chunk, got);
    }
    outcome.status = pipe != nullptr ? pclose(pipe) : -1;
    outcome.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

// A case's output is shown when it failed, and for the soak, whose figures it holds.
int RunMatrix(const Arguments& arguments) {
    const std::vector<FaultCase>& cases = FaultCases();
    std::vector<ChildOutcome> outcomes(cases.size());
    std::atomic<std::size_t> next = 0;
    {
        std::vector<std::jthread> jobs;
        for (int job = 0; job < kJobs; ++job) {
            jobs.emplace_back([&] {
                for (std::size_t i = next++; i < cases.size(); i = next++) {
                    outcomes[i] = RunChild(cases[i], arguments);
                }
            });
        }
    }
    int failed = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const bool passed = outcomes[i].status == 0;
        failed += passed ? 0 : 1;
        std::printf("%s %6.1f s  %s\n%s", passed ? "pass" : "FAIL", outcomes[i].seconds,
                    cases[i].name.c_str(),
                    passed && !cases[i].soak ? "" : outcomes[i].output.c_str());
    }
    std::printf("%zu passed, %d failed\n", cases.size() - failed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace

// Under AddressSanitizer freed memory waits in a quarantine, which would read as growth of the
// resident memory the soak compares; leaks are LeakSanitizer's to find.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=1";
}

int main(int argc, char* argv[]) {
    const Arguments arguments = ParseArguments(argc, argv);
    if (!arguments.valid) {
        std::cerr << "usage: grt8_fault_matrix [--case NAME] [--rounds N] [--write-expected]\n";
        return 2;
    }
    if (arguments.caseName.empty()) {
        return RunMatrix(arguments);
    }
    const auto fc = std::ranges::find(FaultCases(), arguments.caseName, &FaultCase::name);
    if (fc == FaultCases().end()) {
        std::cout << "no case is named " << arguments.caseName << '\n';
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    UiToolkit toolkit(argc, argv);
    return RunOneCase(*fc, arguments);
}
