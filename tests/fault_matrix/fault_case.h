#pragma once

#include <string>
#include <vector>

// A menu command of the console that talks to the module.
struct Command {
    std::string name;
    int id;
};

enum class PortCondition {
    Simulator, // COM4 is the simulator's terminal
    InUse,     // another program holds the terminal while the command runs
    Missing,   // COM4 names no device
};

// The console's module commands run against grt8-sim with the faults its options inject. What the
// case must leave behind is in expected/NAME.txt.
struct FaultCase {
    std::string name;
    std::vector<Command> steps;
    std::vector<std::string> simulatorOptions;
    PortCondition port = PortCondition::Simulator;
    // When the line dies under the link, the last header bytes it wrote may still have got out:
    // the first run of "Write error" boxes may be up to this many short.
    int writeErrorsInFlight = 0;
    // The soak: the case runs round after round in one console, which must not grow.
    bool soak = false;
};

const std::vector<FaultCase>& FaultCases();
