#pragma once

#include <array>
#include <string>

// The frames the simulated module took, counted from its --log lines on standard error. Memory
// frames are counted by the 128-byte block their address falls in.
struct FrameCounts {
    int versions = 0;
    std::array<int, 4> reads{};
    std::array<int, 4> writes{};
    int restarts = 0;

    bool operator==(const FrameCounts&) const = default;
};

FrameCounts CountFrames(const std::string& simulatorLog);

// For reports: "v1 r[1 1 1 1] w[0 0 0 0] x0".
std::string Describe(const FrameCounts& frames);
