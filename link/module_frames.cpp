#include "link/module_frames.h"

MemoryFrameHeader MakeMemoryFrameHeader(std::uint8_t command, int length, int address) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length & 0xFF),
            0x0D};
}

std::uint8_t SumOfBytes(const std::uint8_t* bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}
