#include "tests/fault_matrix/sim_frame_log.h"

#include <sstream>

namespace {

constexpr char kFramePrefix[] = "grt8-sim: ";
constexpr unsigned kMemoryBytes = 512;
constexpr unsigned kBlockBytes = 128;

std::size_t BlockIndexOf(const std::string& line) {
    const std::size_t at = line.find("addr=0x");
    const unsigned address =
        at == std::string::npos ? 0 : std::stoul(line.substr(at + 7), nullptr, 16);
    return address % kMemoryBytes / kBlockBytes;
}

void CountLine(const std::string& line, FrameCounts& frames) {
    if (line.rfind(kFramePrefix, 0) != 0) {
        return;
    }
    const std::string frame = line.substr(sizeof kFramePrefix - 1);
    if (frame.rfind("v ", 0) == 0) {
        ++frames.versions;
    } else if (frame.rfind("r ", 0) == 0) {
        ++frames.reads[BlockIndexOf(frame)];
    } else if (frame.rfind("w ", 0) == 0) {
        ++frames.writes[BlockIndexOf(frame)];
    } else if (frame.rfind("x!!! ", 0) == 0) {
        ++frames.restarts;
    }
}

void Append(std::ostringstream& text, const std::array<int, 4>& counts) {
    text << '[' << counts[0] << ' ' << counts[1] << ' ' << counts[2] << ' ' << counts[3] << ']';
}

} // namespace

FrameCounts CountFrames(const std::string& simulatorLog) {
    FrameCounts frames;
    std::istringstream lines(simulatorLog);
    for (std::string line; std::getline(lines, line);) {
        CountLine(line, frames);
    }
    return frames;
}

std::string Describe(const FrameCounts& frames) {
    std::ostringstream text;
    text << 'v' << frames.versions << " r";
    Append(text, frames.reads);
    text << " w";
    Append(text, frames.writes);
    text << " x" << frames.restarts;
    return text.str();
}
