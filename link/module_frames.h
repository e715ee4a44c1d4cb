#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The command bytes of the module's serial protocol.
inline constexpr std::uint8_t kWriteMemoryCommand = 0x77; // 'w'
inline constexpr std::uint8_t kReadMemoryCommand = 0x72;  // 'r'
inline constexpr std::uint8_t kVersionCommand = 0x76;     // 'v'
inline constexpr std::array<std::uint8_t, 5> kRestartFrame = {0x78, 0x21, 0x21, 0x21, 0x0D};

// The length byte carries eight bits, so a memory frame moves at most 255 bytes.
inline constexpr int kMaxFrameLength = 255;

using MemoryFrameHeader = std::array<std::uint8_t, 5>;

// command, address high byte, address low byte, low 8 bits of the length, CR.
MemoryFrameHeader MakeMemoryFrameHeader(std::uint8_t command, int length, int address);

// The 8-bit sum of a read reply (data and check byte) is zero when the reply is intact.
std::uint8_t SumOfBytes(const std::uint8_t* bytes, std::size_t count);
