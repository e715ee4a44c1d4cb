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
