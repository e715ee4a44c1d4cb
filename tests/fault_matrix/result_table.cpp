#include "tests/fault_matrix/result_table.h"

#include <algorithm>
#include <iomanip>

namespace {

// Columns are padded by characters, and the outcomes hold Polish letters in UTF-8.
std::size_t DisplayWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

std::size_t WidestOf(const std::vector<CaseResult>& results, std::string CaseResult::*field,
                     const std::string& heading) {
    std::size_t widest = DisplayWidth(heading);
    for (const CaseResult& result : results) {
        widest = std::max(widest, DisplayWidth(result.*field));
    }
    return widest;
}

void PrintFailures(const std::vector<CaseResult>& results, std::ostream& out) {
    for (const CaseResult& result : results) {
        if (result.passed) {
            continue;
        }
        out << "\nFAILED " << result.name << '\n';
        for (const std::string& problem : result.problems) {
            out << "  - " << problem << '\n';
        }
        if (!result.diagnostics.empty()) {
            out << "  output:\n" << result.diagnostics;
        }
    }
}

} // namespace

void PrintResults(const std::vector<CaseResult>& results, std::ostream& out) {
    const std::size_t nameWidth = WidestOf(results, &CaseResult::name, "case");
    const std::size_t outcomeWidth = WidestOf(results, &CaseResult::outcome, "outcome");
    out << Padded("case", nameWidth) << " | " << Padded("outcome", outcomeWidth)
        << " | result | time\n";
    out << std::string(nameWidth, '-') << "-+-" << std::string(outcomeWidth, '-')
        << "-+--------+--------\n";
    int passed = 0;
    for (const CaseResult& result : results) {
        passed += result.passed ? 1 : 0;
        out << Padded(result.name, nameWidth) << " | " << Padded(result.outcome, outcomeWidth)
            << " | " << (result.passed ? "pass  " : "FAIL  ") << " | " << std::fixed
            << std::setprecision(1) << std::setw(5) << result.seconds << " s\n";
    }
    PrintFailures(results, out);
    out << '\n'
        << passed << " passed, " << results.size() - static_cast<std::size_t>(passed)
        << " failed\n";
}
