#include "editors/phone_number_codec.h"

#include <algorithm>

namespace {

constexpr std::size_t kCountByte = 0;
constexpr std::size_t kTypeByte = 1;
constexpr std::size_t kFirstDigitByte = 2;

constexpr std::uint8_t kTypePlain = 0x81;
constexpr std::uint8_t kTypeInternational = 0x91;
constexpr std::uint8_t kTypeStar = 0xA1;

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Digit n goes into the low nibble of its byte when n is even and into the high nibble when odd.
void PutDigit(PhoneNumberSlot slot, std::size_t index, char32_t digit) {
    const auto value = static_cast<std::uint8_t>(digit - U'0');
    std::uint8_t& byte = slot[kFirstDigitByte + index / 2];
    byte = index % 2 == 0 ? value : static_cast<std::uint8_t>(byte | value << 4);
}

std::uint8_t DigitAt(ConstPhoneNumberSlot slot, std::size_t index) {
    const std::uint8_t byte = slot[kFirstDigitByte + index / 2];
    return index % 2 == 0 ? byte & 0x0F : byte >> 4;
}

void SetTypeFromFirstCharacter(PhoneNumberSlot slot, char32_t first) {
    if (first == U'+') {
        slot[kTypeByte] = kTypeInternational;
    } else if (first == U'*') {
        slot[kTypeByte] = kTypeStar;
    }
}

std::u32string PrefixOfType(std::uint8_t type) {
    return type == kTypeInternational ? U"+" : type == kTypeStar ? U"*" : U"";
}

} // namespace

void EncodePhoneNumber(std::u32string_view text, PhoneNumberSlot slot) {
    slot[kCountByte] = 0;
    slot[kTypeByte] = kTypePlain;
    std::size_t digits = 0;
    for (std::size_t at = 0; at < text.size() && digits < kMaxPhoneNumberDigits; ++at) {
        if (IsDigit(text[at])) {
            PutDigit(slot, digits++, text[at]);
        } else if (at == 0) {
            SetTypeFromFirstCharacter(slot, text[at]);
        } else {
            return;
        }
    }
    slot[kCountByte] = static_cast<std::uint8_t>(digits);
    if (digits % 2 == 1) {
        slot[kFirstDigitByte + digits / 2] |= 0xF0;
    }
}

std::u32string DecodePhoneNumber(ConstPhoneNumberSlot slot) {
    const std::size_t digits = slot[kCountByte];
    const std::uint8_t type = slot[kTypeByte];
    const bool knownType = type == kTypePlain || type == kTypeInternational || type == kTypeStar;
    if (digits == 0 || digits > kMaxPhoneNumberDigits || !knownType) {
        return {};
    }
    std::u32string text = PrefixOfType(type);
    for (std::size_t index = 0; index < digits; ++index) {
        // A nibble above 9 is no digit; it shows as one of the characters that follow "9".
        text.push_back(static_cast<char32_t>(U'0' + DigitAt(slot, index)));
    }
    return text;
}

bool IsStorablePhoneNumber(std::u32string_view text) {
    return text.empty() || std::all_of(text.begin() + 1, text.end(), IsDigit);
}
