#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kConfigImageSize = 1024;
inline constexpr std::size_t kModuleMemorySize = 512;
inline constexpr std::size_t kCheckWordOffset = 1022;

// The whole configuration of one module: the first 512 bytes mirror the module's memory, the
// rest travels only in configuration files. Fields are known by their offsets alone.
using ConfigImage = std::array<std::uint8_t, kConfigImageSize>;

// CRC-16 of bytes 0-1021.
std::uint16_t ComputeCheckWord(const ConfigImage& image);

// The check word held in bytes 1022 (high byte) and 1023 (low byte).
std::uint16_t StoredCheckWord(const ConfigImage& image);

// Writes the check word into bytes 1022 (high byte) and 1023 (low byte).
void StoreCheckWord(ConfigImage& image);

bool CheckWordMatches(const ConfigImage& image);

void Clear(ConfigImage& image);
