#pragma once

#include "config/config_image.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using ModuleMemory = std::array<std::uint8_t, 512>;

enum class Operation { Version, Read, Send };

enum class PortCondition {
    Simulator, // the COM port is the simulator's terminal
    InUse,     // another program holds the terminal
    Missing,   // the COM port names no device
};

enum class ImageOutcome {
    Unchanged,
    ReadFromModule,       // bytes 0-511 hold the module's memory, the rest as it was
    SentWithByte5Cleared, // as it was, but byte 5 is 0
};

// Everything a module operation is designed to leave behind.
struct Expectation {
    std::string pane;
    std::string logText;
    std::vector<std::string> boxes;
    // When the line dies while the link writes, the last bytes it handed over may still have gone
    // out: up to this many of the expected "Write error" boxes may be missing.
    int writeErrorsMayLack = 0;
    ImageOutcome image = ImageOutcome::Unchanged;
    ModuleMemory memory{};
    // The frames the module took, in order (see FrameSequence).
    std::string frames;
    bool rawDumpWritten = false;
    // The simulator hangs up and ends by itself, taking its terminal with it.
    bool lineHungUp = false;
};

struct FaultCase {
    std::string name;
    Operation operation = Operation::Version;
    std::vector<std::string> simulatorOptions;
    PortCondition port = PortCondition::Simulator;
    Expectation expected;
};

// The module's memory when the simulator starts, and the console's image before the command:
// different in every byte that travels, so each byte that moves shows.
ModuleMemory ModuleAtStart();
ConfigImage ImageAtStart();

// What the simulator answers to the version command when it is healthy.
extern const char kSimulatorVersion[];

// Every module operation against every fault the simulator offers that the operation can meet.
std::vector<FaultCase> AllFaultCases();
