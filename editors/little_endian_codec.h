#pragma once

#include <cstdint>
#include <span>

// The 16-bit numbers of the settings are kept low byte first.
std::uint16_t ReadLittleEndian16(std::span<const std::uint8_t, 2> bytes);
void WriteLittleEndian16(std::uint16_t value, std::span<std::uint8_t, 2> bytes);
