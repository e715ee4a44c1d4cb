#include "editors/little_endian_codec.h"

std::uint16_t ReadLittleEndian16(std::span<const std::uint8_t, 2> bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void WriteLittleEndian16(std::uint16_t value, std::span<std::uint8_t, 2> bytes) {
    bytes[0] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}
