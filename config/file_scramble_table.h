#pragma once

#include "config/config_image.h"

#include <array>
#include <cstdint>

// Byte i of a configuration file is image byte i XOR FileScrambleTable[i].
extern const std::array<std::uint8_t, kConfigImageSize> FileScrambleTable;
