#pragma once

#include "config/image_layout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// A notification text as the module keeps it: up to 40 bytes, ended by a byte 0 when shorter.
// Bytes 1-127 are ASCII characters, bytes 128-254 are variable codes the module replaces with
// live values when it sends the SMS, and 0 or 255 end the text.
//
// In the edit form, a code page 1250 string, a variable code is "$" and three decimal digits.

using SmsTextSlot = std::span<std::uint8_t, kSmsTextSlotSize>;
using ConstSmsTextSlot = std::span<const std::uint8_t, kSmsTextSlotSize>;

enum class SmsTextEncoding {
    Stored,
    TooLong,
    // A character the module cannot send: beyond ASCII and not a Polish letter, or beyond ASCII
    // among the three characters of a code.
    ForbiddenCharacter,
};

// At most 160 characters: 40 codes of four characters each.
std::string DecodeSmsText(ConstSmsTextSlot slot);

// Writes the stored form into the slot as it goes: one byte per character, and one per "$"
// with the three characters after it, which give the byte 100 x d1 + 10 x d2 + d3 modulo 256,
// where dk is the character's code minus that of "0", digit or not. A "$" too close to the
// end of the text for a code is an ordinary character. The Polish letters lose their
// diacritics, since the module sends ASCII only.
//
// A text shorter than the slot is followed by a byte 0 and leaves the bytes after it as they
// were. A text that does not fit, or holds a forbidden character, is not finished: the slot
// then holds what was converted before the fault, without a terminator, so callers that must
// keep the slot on a refusal encode into a copy of it.
SmsTextEncoding EncodeSmsText(std::string_view text, SmsTextSlot slot);
