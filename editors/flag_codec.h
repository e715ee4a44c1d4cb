#pragma once

#include "config/image_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>

// A byte of eight switches, bit 0 first.
using SwitchBits = std::array<bool, 8>;

SwitchBits DecodeSwitches(std::uint8_t byte);
std::uint8_t EncodeSwitches(const SwitchBits& switches);

// For a byte that several editors share: only the one bit changes.
bool IsBitSet(std::uint8_t byte, int bit);
std::uint8_t WithBit(std::uint8_t byte, int bit, bool set);

// What one input line reports to and what activates it, in the order TEL1, TEL2, TEL3, NO, NC.
// The line byte's other bits are written as 0.
inline constexpr std::size_t kLineColumnCount = kLineColumnBits.size();
using LineFlags = std::array<bool, kLineColumnCount>;

LineFlags DecodeLineFlags(std::uint8_t byte);
std::uint8_t EncodeLineFlags(const LineFlags& flags);
