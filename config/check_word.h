#pragma once

#include <cstdint>
#include <span>

// CRC-16, least significant bit first, reflected polynomial 0x2001, starting from 0 and with no
// final XOR. Not the common 0xA001 variant: stored files depend on this exact one.
std::uint16_t Crc16(std::span<const std::uint8_t> bytes);
