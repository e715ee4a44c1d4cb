#pragma once

#include "config/image_layout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A telephone number as the module keeps it: the address field of a GSM short message, that is
// the number of digits (0 = no number), the type of number and the digits as semi-octets.
inline constexpr std::size_t kMaxPhoneNumberDigits = 16;

using PhoneNumberSlot = std::span<std::uint8_t, kPhoneNumberSlotSize>;
using ConstPhoneNumberSlot = std::span<const std::uint8_t, kPhoneNumberSlotSize>;

// Texts are handled as whole characters, because the first character has a meaning of its own:
// "+" makes the number international, "*" marks a service number, anything else but a digit
// there is dropped. A later character that is not a digit leaves the slot without a number.
// Bytes after the last digit byte keep what they held.
void EncodePhoneNumber(std::u32string_view text, PhoneNumberSlot slot);

// A digit count of 0 or above 16, or an unknown type of number, gives an empty text.
std::u32string DecodePhoneNumber(ConstPhoneNumberSlot slot);

// True when every character after the first is a digit, so that the text is stored as a number.
bool IsStorablePhoneNumber(std::u32string_view text);
