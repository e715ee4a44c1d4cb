// Telephone numbers: any ten slot bytes decode, any text that fits the edit box encodes, and a
// number that decodes encodes back to the same number. Slots are allocated at their exact size
// so that a step outside them is caught.

#include "editors/phone_number_codec.h"
#include "fuzz_require.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr std::size_t kCountByte = 0;
constexpr std::size_t kTypeByte = 1;
constexpr std::size_t kFirstDigitByte = 2;
constexpr std::size_t kMaxEditBoxCharacters = 14;
constexpr std::uint8_t kTypePlain = 0x81;
constexpr std::uint8_t kTypeInternational = 0x91;
constexpr std::uint8_t kTypeStar = 0xA1;
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
    std::uint8_t operator[](std::size_t index) const { return view()[index]; }
    SlotBytes bytes() const {
        SlotBytes copy;
        std::copy_n(m_bytes.get(), kPhoneNumberSlotSize, copy.begin());
        return copy;
    }

private:
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::size_t DigitBytes(std::size_t digits) {
    return kFirstDigitByte + (digits + 1) / 2;
}

std::u32string PrefixOfType(std::uint8_t type) {
    return type == kTypeInternational ? U"+" : type == kTypeStar ? U"*" : U"";
}

SlotBytes ConsumeSlotBytes(FuzzedDataProvider& input) {
    SlotBytes bytes{};
    for (std::uint8_t& byte : bytes) {
        byte = input.ConsumeIntegral<std::uint8_t>();
    }
    return bytes;
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

// A decoded number whose digits are all decimal is stored again exactly as it was: the same
// count, type and digits, and nothing after its digits touched.
void CheckDecodedNumberEncodesBack(const ExactSlot& original, const std::u32string& text) {
    const std::size_t digits = original[kCountByte];
    ExactSlot again(original.bytes());
    EncodePhoneNumber(text, again.slot());
    Require(again[kCountByte] == digits);
    Require(again[kTypeByte] == original[kTypeByte]);
    Require(DecodePhoneNumber(again.view()) == text);
    for (std::size_t i = DigitBytes(digits); i < kPhoneNumberSlotSize; ++i) {
        Require(again[i] == original[i]);
    }
}

void CheckDecode(const ExactSlot& slot) {
    const std::u32string text = DecodePhoneNumber(slot.view());
    const std::size_t digits = slot[kCountByte];
    const std::uint8_t type = slot[kTypeByte];
    const bool knownType = type == kTypePlain || type == kTypeInternational || type == kTypeStar;
    if (digits == 0 || digits > kMaxPhoneNumberDigits || !knownType) {
        Require(text.empty());
        return;
    }
    const std::u32string prefix = PrefixOfType(type);
    Require(text.size() == prefix.size() + digits);
    Require(text.compare(0, prefix.size(), prefix) == 0);
    if (std::all_of(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(),
                    IsDigit)) {
        CheckDecodedNumberEncodesBack(slot, text);
    }
}

struct ExpectedNumber {
    std::uint8_t type = kTypePlain;
    std::u32string digits;
    // False when a character after the first is not a digit: the slot then holds no number.
    bool storable = true;
};

ExpectedNumber ExpectedFrom(const std::u32string& text) {
    ExpectedNumber expected;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            expected.digits.push_back(text[at]);
        } else if (at == 0) {
            expected.type = text[at] == U'+'   ? kTypeInternational
                            : text[at] == U'*' ? kTypeStar
                                               : kTypePlain;
        } else {
            expected.storable = false;
            break;
        }
    }
    return expected;
}

void CheckEncode(const SlotBytes& old, const std::u32string& text) {
    ExactSlot slot(old);
    EncodePhoneNumber(text, slot.slot());
    const ExpectedNumber expected = ExpectedFrom(text);
    Require(slot[kTypeByte] == expected.type);
    Require(slot[kCountByte] == (expected.storable ? expected.digits.size() : 0));
    Require(IsStorablePhoneNumber(text) == expected.storable);
    const std::u32string decoded = DecodePhoneNumber(slot.view());
    Require(decoded == (expected.storable && !expected.digits.empty()
                            ? PrefixOfType(expected.type) + expected.digits
                            : U""));
    for (std::size_t i = DigitBytes(expected.digits.size()); i < kPhoneNumberSlotSize; ++i) {
        Require(slot[i] == old[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const SlotBytes bytes = ConsumeSlotBytes(input);
    CheckDecode(ExactSlot(bytes));
    CheckEncode(bytes, EditBoxText(input));
    return 0;
}
