#include "editors/flag_codec.h"

bool IsBitSet(std::uint8_t byte, int bit) {
    return (byte >> bit & 1) != 0;
}

std::uint8_t WithBit(std::uint8_t byte, int bit, bool set) {
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    return static_cast<std::uint8_t>(set ? byte | mask : byte & ~mask);
}

SwitchBits DecodeSwitches(std::uint8_t byte) {
    SwitchBits switches{};
    for (std::size_t bit = 0; bit < switches.size(); ++bit) {
        switches[bit] = IsBitSet(byte, static_cast<int>(bit));
    }
    return switches;
}

std::uint8_t EncodeSwitches(const SwitchBits& switches) {
    std::uint8_t byte = 0;
    for (std::size_t bit = 0; bit < switches.size(); ++bit) {
        byte = WithBit(byte, static_cast<int>(bit), switches[bit]);
    }
    return byte;
}

LineFlags DecodeLineFlags(std::uint8_t byte) {
    LineFlags flags{};
    for (std::size_t column = 0; column < kLineColumnCount; ++column) {
        flags[column] = IsBitSet(byte, kLineColumnBits[column]);
    }
    return flags;
}

std::uint8_t EncodeLineFlags(const LineFlags& flags) {
    std::uint8_t byte = 0;
    for (std::size_t column = 0; column < kLineColumnCount; ++column) {
        byte = WithBit(byte, kLineColumnBits[column], flags[column]);
    }
    return byte;
}
