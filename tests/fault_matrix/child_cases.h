#pragma once

#include "tests/fault_matrix/case_result.h"

#include <string>
#include <vector>

// Runs each named case in a process of its own ("program --case NAME"), up to `jobs` at a time:
// every case starts from a fresh console, link and simulator, and one that crashes or hangs
// cannot take the others with it. A case still running after timeoutSeconds is killed and fails.
std::vector<CaseResult> RunCasesInChildren(const std::string& program,
                                           const std::vector<std::string>& names, int jobs,
                                           double timeoutSeconds);
