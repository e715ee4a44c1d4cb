#pragma once

#include <cstdint>

// Thermostat limits are whole degrees Celsius kept as signed bytes.
inline constexpr int kMinTemperature = -25;
inline constexpr int kMaxTemperature = 120;

// What a lower and an upper limit that the boxes could not accept are shown as.
inline constexpr int kLowLimitInstead = 5;
inline constexpr int kHighLimitInstead = 10;

int DecodeTemperature(std::uint8_t stored, int shownInstead);

// Keeps the low eight bits, so -25 becomes 0xE7.
std::uint8_t EncodeTemperature(int celsius);
