#include "tests/soak/process_figures.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// The number after a "Name:" line of /proc/self/status.
long StatusValue(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name + ":", 0) == 0) {
            return std::stol(line.substr(name.size() + 1));
        }
    }
    return -1;
}

// The directory listing itself holds one descriptor while it runs; it is not counted.
int OpenDescriptors() {
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<int>(std::distance(begin(entries), end(entries))) - 1;
}

} // namespace

ProcessFigures MeasureProcess() {
    ProcessFigures figures;
    figures.openDescriptors = OpenDescriptors();
    figures.threads = static_cast<int>(StatusValue("Threads"));
    figures.residentKilobytes = StatusValue("VmRSS");
    return figures;
}

std::string Describe(const ProcessFigures& figures) {
    return std::to_string(figures.openDescriptors) + " descriptors, " +
           std::to_string(figures.threads) + " threads, " +
           std::to_string(figures.residentKilobytes) + " kB resident";
}
