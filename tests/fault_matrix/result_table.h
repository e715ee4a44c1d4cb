#pragma once

#include "tests/fault_matrix/case_result.h"

#include <ostream>
#include <vector>

// The table of cases (case, outcome, result, time), the problems of the failed ones, and the
// closing line "N passed, N failed".
void PrintResults(const std::vector<CaseResult>& results, std::ostream& out);
