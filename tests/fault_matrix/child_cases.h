#pragma once

#include <string>
#include <vector>

// How one case ended, as its child process reported it.
struct CaseResult {
    std::string name;
    bool passed = false;
    std::string outcome;
    std::vector<std::string> problems;
    double seconds = 0.0;
    // What the child wrote besides its report, shown for a case that failed.
    std::string diagnostics;
};

// The report a child writes on its standard output, one item per line.
inline constexpr char kOutcomeLine[] = "outcome: ";
inline constexpr char kTimeLine[] = "time: ";
inline constexpr char kProblemLine[] = "problem: ";

// Runs each named case in a process of its own ("program --case NAME"), up to `jobs` at a time:
// every case starts from a fresh console, link and simulator, and one that crashes or hangs
// cannot take the others with it. A case still running after timeoutSeconds is killed and fails.
std::vector<CaseResult> RunCasesInChildren(const std::string& program,
                                           const std::vector<std::string>& names, int jobs,
                                           double timeoutSeconds);
