// The fault matrix: every module operation through the console's own menu commands, against
// grt8-sim on a pseudo-terminal with each fault it offers, checked against the whole designed
// outcome. Each case runs in a child process of this program.
//   grt8_fault_matrix [--jobs N] [--only TEXT] [--list]
//   grt8_fault_matrix --case NAME      runs one case in this process

#include "platform/application.h"
#include "tests/fault_matrix/case_run.h"
#include "tests/fault_matrix/child_cases.h"
#include "tests/fault_matrix/fault_cases.h"
#include "tests/fault_matrix/outcome_check.h"
#include "tests/fault_matrix/result_table.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

constexpr int kDefaultJobs = 4;
constexpr double kCaseTimeoutSeconds = 240.0;

struct Arguments {
    int jobs = kDefaultJobs;
    std::string only;
    std::optional<std::string> caseName;
    bool list = false;
    bool valid = true;
};

Arguments ParseArguments(int argc, char* argv[]) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--jobs" && hasValue) {
            arguments.jobs = std::max(1, std::atoi(argv[++i]));
        } else if (option == "--only" && hasValue) {
            arguments.only = argv[++i];
        } else if (option == "--case" && hasValue) {
            arguments.caseName = argv[++i];
        } else if (option == "--list") {
            arguments.list = true;
        } else {
            arguments.valid = false;
        }
    }
    return arguments;
}

std::optional<FaultCase> CaseNamed(const std::string& name) {
    for (const FaultCase& fc : AllFaultCases()) {
        if (fc.name == name) {
            return fc;
        }
    }
    return std::nullopt;
}

int RunOneCase(int argc, char* argv[], const std::string& name) {
    const std::optional<FaultCase> fc = CaseNamed(name);
    if (!fc) {
        std::cout << kProblemLine << "no case is named " << name << '\n';
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    UiToolkit toolkit(argc, argv);
    const Observation seen = RunCase(*fc, GRT8_SIM_PATH);
    const std::vector<std::string> differences = Differences(*fc, seen);
    std::cout << kOutcomeLine << Summary(seen) << '\n' << kTimeLine << seen.seconds << '\n';
    for (const std::string& difference : differences) {
        std::cout << kProblemLine << difference << '\n';
    }
    return differences.empty() ? 0 : 1;
}

std::vector<FaultCase> SelectedCases(const std::string& only) {
    std::vector<FaultCase> cases = AllFaultCases();
    std::erase_if(cases,
                  [&](const FaultCase& fc) { return fc.name.find(only) == std::string::npos; });
    return cases;
}

// Sends take longest, versions least: starting the long cases first keeps every job busy to the
// end.
int Weight(Operation operation) {
    return operation == Operation::Send ? 0 : operation == Operation::Read ? 1 : 2;
}

std::vector<std::string> NamesLongestFirst(std::vector<FaultCase> cases) {
    std::stable_sort(cases.begin(), cases.end(), [](const FaultCase& a, const FaultCase& b) {
        return Weight(a.operation) < Weight(b.operation);
    });
    std::vector<std::string> names;
    for (const FaultCase& fc : cases) {
        names.push_back(fc.name);
    }
    return names;
}

std::vector<CaseResult> InCaseOrder(const std::vector<FaultCase>& cases,
                                    const std::vector<CaseResult>& results) {
    std::vector<CaseResult> ordered;
    for (const FaultCase& fc : cases) {
        ordered.push_back(
            *std::find_if(results.begin(), results.end(),
                          [&](const CaseResult& result) { return result.name == fc.name; }));
    }
    return ordered;
}

int RunMatrix(const Arguments& arguments) {
    const std::vector<FaultCase> cases = SelectedCases(arguments.only);
    if (arguments.list) {
        for (const FaultCase& fc : cases) {
            std::cout << fc.name << '\n';
        }
        return 0;
    }
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::vector<CaseResult> results =
        InCaseOrder(cases, RunCasesInChildren(self, NamesLongestFirst(cases), arguments.jobs,
                                              kCaseTimeoutSeconds));
    PrintResults(results, std::cout);
    const bool allPassed = std::all_of(results.begin(), results.end(),
                                       [](const CaseResult& result) { return result.passed; });
    return allPassed && !results.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = ParseArguments(argc, argv);
    if (!arguments.valid) {
        std::cerr << "usage: grt8_fault_matrix [--jobs N] [--only TEXT] [--list] [--case NAME]\n";
        return 2;
    }
    if (arguments.caseName) {
        return RunOneCase(argc, argv, *arguments.caseName);
    }
    return RunMatrix(arguments);
}
