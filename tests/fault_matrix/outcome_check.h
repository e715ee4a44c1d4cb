#pragma once

#include "tests/fault_matrix/case_run.h"
#include "tests/fault_matrix/fault_case.h"

#include <string>
#include <vector>

// Every way the observation differs from the case's designed outcome; empty when it matches.
std::vector<std::string> Differences(const FaultCase& fc, const Observation& seen);

// One line for the table: the last log line and the message boxes, as the user saw them.
std::string Summary(const Observation& seen);
