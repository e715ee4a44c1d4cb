#pragma once

#include "config/image_layout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The SIM PIN as the module keeps it: one byte per character, ended by a 0 when shorter than the
// field.
using PinField = std::span<std::uint8_t, kPinFieldSize>;
using ConstPinField = std::span<const std::uint8_t, kPinFieldSize>;

// Writes at most four characters, one byte each, so only ASCII characters are kept as they are;
// bytes after the ending 0 keep what they held.
void EncodePin(std::u32string_view pin, PinField field);

// The leading run of digits; whatever follows the first non-digit is not part of the PIN.
std::u32string DecodePin(ConstPinField field);

// Only a PIN of digits reads back as it was typed.
bool IsStorablePin(std::u32string_view pin);
