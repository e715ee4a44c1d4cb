#include "tests/fault_matrix/sim_frame_log.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr int kBlockCount = 4;
constexpr int kBlockBytes = 128;
// Block 1 is written from address 3, over the first six bytes of block 2.
constexpr int kFirstBlockAddress = 3;
constexpr int kFirstBlockLength = 131;

std::string MemoryFrame(char command, int address, int length) {
    char text[32];
    std::snprintf(text, sizeof text, "%c%04X/%d ", command, address, length);
    return text;
}

std::string Frames(int block, const std::string& blockFrames, bool endsThere,
                   std::string (*blockOwn)(int)) {
    std::string frames = VersionFrame();
    for (int each = 1; each <= kBlockCount; ++each) {
        frames += each == block ? blockFrames : blockOwn(each);
        if (each == block && endsThere) {
            return frames;
        }
    }
    return frames;
}

std::string WriteAndReadBack(int block) {
    return WriteFrame(block) + ReadFrame(block);
}

} // namespace

std::string FrameSequence(const std::string& simulatorLog) {
    std::istringstream lines(simulatorLog);
    std::string frames;
    for (std::string line; std::getline(lines, line);) {
        char command = 0;
        unsigned address = 0;
        int length = 0;
        if (std::sscanf(line.c_str(), "grt8-sim: %c addr=0x%x len=%d", &command, &address,
                        &length) == 3 ||
            std::sscanf(line.c_str(), "grt8-sim: %c!!! addr=0x%x len=%d", &command, &address,
                        &length) == 3) {
            frames += command == 'r' || command == 'w'
                          ? MemoryFrame(command, static_cast<int>(address), length)
                          : std::string(1, command) + " ";
        }
    }
    return frames;
}

std::string VersionFrame() {
    return "v ";
}

std::string RestartFrame() {
    return "x ";
}

std::string ReadFrame(int block) {
    return MemoryFrame('r', (block - 1) * kBlockBytes, kBlockBytes);
}

std::string WriteFrame(int block) {
    return block == 1 ? MemoryFrame('w', kFirstBlockAddress, kFirstBlockLength)
                      : MemoryFrame('w', (block - 1) * kBlockBytes, kBlockBytes);
}

std::string Repeated(const std::string& frames, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += frames;
    }
    return repeated;
}

std::string ReadFrames(int block, const std::string& blockFrames, bool endsThere) {
    return Frames(block, blockFrames, endsThere, ReadFrame);
}

std::string SendFrames(int block, const std::string& blockFrames, bool endsThere) {
    const std::string frames = Frames(block, blockFrames, endsThere, WriteAndReadBack);
    return endsThere ? frames : frames + RestartFrame();
}
