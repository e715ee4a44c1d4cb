#include "config/check_word.h"

#include <array>

namespace {

constexpr std::uint16_t kReflectedPolynomial = 0x2001;

constexpr std::array<std::uint16_t, 256> MakeCrcTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < table.size(); ++i) {
        unsigned value = i;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1u) ? (value >> 1) ^ kReflectedPolynomial : value >> 1;
        }
        table[i] = static_cast<std::uint16_t>(value);
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kCrcTable = MakeCrcTable();

static_assert(kCrcTable[1] == 0x3FC1 && kCrcTable[2] == 0x3F81 && kCrcTable[3] == 0x0040);

} // namespace

std::uint16_t Crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t accumulator = 0;
    for (const std::uint8_t byte : bytes) {
        accumulator = kCrcTable[(accumulator ^ byte) & 0xFF] ^ (accumulator >> 8);
    }
    return accumulator;
}
