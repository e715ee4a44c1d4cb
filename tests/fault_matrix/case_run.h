#pragma once

#include "config/config_image.h"
#include "tests/fault_matrix/fault_case.h"

#include <optional>
#include <string>
#include <vector>

// Everything one run of a case left behind, gathered after the command ended.
struct Observation {
    bool simulatorStarted = false;
    std::string pane;
    std::string logText;
    std::vector<std::string> boxes;
    ConfigImage image{};
    std::optional<ModuleMemory> memory;
    std::optional<std::vector<unsigned char>> rawDump;
    std::string simulatorLog;
    std::string frames;
    // The simulator ended by itself after hanging up, rather than when asked to stop.
    bool simulatorEndedByItself = false;
    bool noDescriptorLeft = false;
    bool portFree = false;
    double seconds = 0.0;
};

// Starts the simulator with the case's faults in a fresh working folder, runs the operation's
// menu command in a console window and gathers the outcome. Needs a QApplication.
Observation RunCase(const FaultCase& fc, const std::string& simulatorPath);
