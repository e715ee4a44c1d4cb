// Telephone numbers, checked against the codec's own other half: any ten slot bytes decode to a
// number that encodes back to the same slot, and any text that fits the edit box is stored so
// that it decodes to its digits behind its prefix. Nothing after the digit bytes is touched.
// Slots are allocated at their exact size so that a step outside them is caught.

#include "editors/phone_number_codec.h"
#include "fuzz_require.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr std::size_t kFirstDigitByte = 2;
constexpr std::size_t kMaxEditBoxCharacters = 14;
// Bytes below this stand for themselves as characters; the rest start a character beyond
// Latin-1, so digits and signs come often but any character can.
constexpr std::uint8_t kFirstWideCharacterByte = 0xF0;

using SlotBytes = std::array<std::uint8_t, kPhoneNumberSlotSize>;

class ExactSlot {
public:
    explicit ExactSlot(const SlotBytes& bytes) : m_bytes(new std::uint8_t[kPhoneNumberSlotSize]) {
        std::copy(bytes.begin(), bytes.end(), m_bytes.get());
    }
    PhoneNumberSlot slot() { return PhoneNumberSlot(m_bytes.get(), kPhoneNumberSlotSize); }
    ConstPhoneNumberSlot view() const {
        return ConstPhoneNumberSlot(m_bytes.get(), kPhoneNumberSlotSize);
    }
    // The bytes from `from` on are those of `other`.
    bool TailEquals(const SlotBytes& other, std::size_t from) const {
        return from >= kPhoneNumberSlotSize ||
               std::equal(other.begin() + static_cast<std::ptrdiff_t>(from), other.end(),
                          m_bytes.get() + from);
    }

private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool IsSign(char32_t c) {
    return c == U'+' || c == U'*';
}

std::size_t DigitBytes(std::size_t digits) {
    return kFirstDigitByte + (digits + 1) / 2;
}

std::u32string PrefixOf(const std::u32string& text) {
    return !text.empty() && !IsDigit(text[0]) ? text.substr(0, 1) : U"";
}

std::u32string EditBoxText(FuzzedDataProvider& input) {
    std::u32string text;
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, kMaxEditBoxCharacters);
    while (text.size() < length && input.remaining_bytes() > 0) {
        const std::uint8_t byte = input.ConsumeIntegral<std::uint8_t>();
        text.push_back(byte < kFirstWideCharacterByte
                           ? char32_t{byte}
                           : input.ConsumeIntegralInRange<char32_t>(0x100, 0x10FFFF));
    }
    return text;
}

// What decodes is a prefix ("+", "*" or none) and 1 to 16 digits, and a number of decimal digits
// is stored again as it was: the same type and digits, nothing after them touched.
void CheckDecode(const SlotBytes& bytes) {
    const ExactSlot slot(bytes);
    const std::u32string text = DecodePhoneNumber(slot.view());
    if (text.empty()) {
        return;
    }
    const std::u32string prefix = IsSign(text[0]) ? text.substr(0, 1) : U"";
    const std::size_t digits = text.size() - prefix.size();
    Require(digits >= 1 && digits <= kMaxPhoneNumberDigits && digits == bytes[0]);
    if (std::all_of(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(),
                    IsDigit)) {
        ExactSlot again(bytes);
        EncodePhoneNumber(text, again.slot());
        Require(DecodePhoneNumber(again.view()) == text && again.view()[1] == bytes[1]);
        Require(again.TailEquals(bytes, DigitBytes(digits)));
    }
}

// A storable text decodes as its digits behind "+" or "*" when it starts with one; a text that is
// not storable leaves no number. Nothing after the bytes of the digits before a refusal changes.
void CheckEncode(const SlotBytes& old, const std::u32string& text) {
    ExactSlot slot(old);
    EncodePhoneNumber(text, slot.slot());
    const std::u32string decoded = DecodePhoneNumber(slot.view());
    const std::u32string prefix = PrefixOf(text);
    const auto digitsEnd = std::find_if_not(
        text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(), IsDigit);
    const std::u32string digits(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                                digitsEnd);
    const bool storable = IsStorablePhoneNumber(text);
    Require(storable == (digitsEnd == text.end()));
    const std::u32string kept = !prefix.empty() && IsSign(prefix[0]) ? prefix : U"";
    Require(decoded == (storable && !digits.empty() ? kept + digits : U""));
    Require(slot.TailEquals(old, DigitBytes(digits.size())));
}

SlotBytes ConsumeSlotBytes(FuzzedDataProvider& input) {
    SlotBytes bytes{};
    for (std::uint8_t& byte : bytes) {
        byte = input.ConsumeIntegral<std::uint8_t>();
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const SlotBytes bytes = ConsumeSlotBytes(input);
    CheckDecode(bytes);
    CheckEncode(bytes, EditBoxText(input));
    return 0;
}
