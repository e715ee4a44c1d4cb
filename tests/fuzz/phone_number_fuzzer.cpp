// Telephone numbers, checked against the codec's own other half: what any ten slot bytes decode
// to, and any text of the edit box, is stored so that it decodes to its digits behind its "+" or
// "*", or to nothing when it is not a number, so a decoded number comes back as it was. Nothing
// after the digit bytes is written. Input: the ten slot bytes, then the text, a character a byte.

#include "editors/phone_number_codec.h"
#include "fuzz_require.h"

#include <algorithm>
#include <vector>

namespace {

// Exactly the slot's size, so a step outside it is caught.
using Slot = std::vector<std::uint8_t>;

constexpr std::size_t kFirstDigitByte = 2;
constexpr std::size_t kEditBoxCharacters = 14;

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::u32string Decoded(const Slot& slot) {
    return DecodePhoneNumber(ConstPhoneNumberSlot(slot.data(), kPhoneNumberSlotSize));
}

// Stores `text` over `old` and decodes what was stored.
std::u32string StoredAndDecoded(const Slot& old, std::u32string_view text) {
    Slot slot(old);
    EncodePhoneNumber(text, PhoneNumberSlot(slot.data(), kPhoneNumberSlotSize));
    const auto digits = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsDigit));
    const std::size_t used = std::min(kFirstDigitByte + (digits + 1) / 2, slot.size());
    Require(std::equal(slot.begin() + static_cast<std::ptrdiff_t>(used), slot.end(),
                       old.begin() + static_cast<std::ptrdiff_t>(used)));
    return Decoded(slot);
}

// The digits behind "+" or "*"; another first character is dropped, a later one leaves nothing.
std::u32string NumberOf(std::u32string text) {
    if (!IsStorablePhoneNumber(text)) {
        return {};
    }
    if (!text.empty() && !IsDigit(text[0]) && text[0] != U'+' && text[0] != U'*') {
        text.erase(0, 1);
    }
    return std::any_of(text.begin(), text.end(), IsDigit) ? text : U"";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Slot slot(kPhoneNumberSlotSize);
    const std::size_t slotBytes = std::min(size, slot.size());
    std::copy_n(data, slotBytes, slot.begin());
    const std::u32string typed(data + slotBytes,
                               data + std::min(size, slotBytes + kEditBoxCharacters));

    for (const std::u32string& number : {Decoded(slot), typed}) {
        Require(StoredAndDecoded(slot, number) == NumberOf(number));
    }
    return 0;
}
