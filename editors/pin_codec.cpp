#include "editors/pin_codec.h"

#include <algorithm>

namespace {

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

} // namespace

void EncodePin(std::u32string_view pin, PinField field) {
    const std::size_t length = std::min(pin.size(), kPinFieldSize);
    for (std::size_t at = 0; at < length; ++at) {
        field[at] = static_cast<std::uint8_t>(pin[at]);
    }
    if (length < kPinFieldSize) {
        field[length] = 0;
    }
}

std::u32string DecodePin(ConstPinField field) {
    std::u32string pin;
    for (const std::uint8_t byte : field) {
        if (!IsDigit(byte)) {
            break;
        }
        pin.push_back(byte);
    }
    return pin;
}

bool IsStorablePin(std::u32string_view pin) {
    return std::all_of(pin.begin(), pin.end(), IsDigit);
}
