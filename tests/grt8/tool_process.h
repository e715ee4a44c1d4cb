#pragma once

#include <string>
#include <vector>

struct ToolRun {
    // The exit status; -1 when the program did not exit by itself (a crash).
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built grt8 with `arguments`, standard input empty, both outputs captured, and waits
// for it to end.
ToolRun RunGrt8(const std::vector<std::string>& arguments);
