#pragma once

#include "config/config_image.h"
#include "tests/fault_matrix/fault_case.h"

#include <vector>

// The module's memory when the simulator starts, and the console's image before the command:
// different in every byte that travels, so each byte that moves shows.
ModuleMemory ModuleAtStart();
ConfigImage ImageAtStart();

// What the simulator answers to the version command when it is healthy.
extern const char kSimulatorVersion[];

// Every module operation against every fault the simulator offers that the operation can meet.
std::vector<FaultCase> AllFaultCases();
