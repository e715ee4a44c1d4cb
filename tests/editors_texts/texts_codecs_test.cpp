#include "editors/cp1250_codec.h"
#include "editors/sms_text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using Slot = std::array<std::uint8_t, kSmsTextSlotSize>;

constexpr std::uint8_t kOld = 0xAA;
constexpr char32_t kReplacement = U'\uFFFD';

// A slot of old bytes with the given ones at its start, so bytes the encoder must leave alone
// show.
Slot SlotStartingWith(std::initializer_list<std::uint8_t> bytes) {
    Slot slot;
    slot.fill(kOld);
    std::ranges::copy(bytes, slot.begin());
    return slot;
}

struct Encoding {
    SmsTextEncoding result;
    Slot slot;
};

// The text is kept in a buffer of exactly its size, so that reading past its end is caught by
// the address sanitizer.
Encoding Encode(const std::string& text, Slot slot = SlotStartingWith({})) {
    const std::vector<char> exact(text.begin(), text.end());
    const SmsTextEncoding result =
        EncodeSmsText(std::string_view(exact.data(), exact.size()), slot);
    return {result, slot};
}

Slot Stored(const std::string& text) {
    const Encoding encoding = Encode(text);
    EXPECT_EQ(encoding.result, SmsTextEncoding::Stored) << text;
    return encoding.slot;
}

std::string Cp1250(std::u32string_view text) {
    return UnicodeToCp1250(text).value();
}

TEST(Cp1250Codec, MapsEveryAssignedByteBothWaysAndNothingElse) {
    EXPECT_EQ(UnicodeToCp1250(U"ąćęłńóśźż"), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(UnicodeToCp1250(U"ĄĆĘŁŃÓŚŹŻ"), "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(UnicodeToCp1250(U"Az~€¤°–˙"), "Az~\x80\xA4\xB0\x96\xFF");
    EXPECT_EQ(Cp1250ToUnicode("Ok \xB9\xB3\xF3\xBF\xA3\x9C"), U"Ok ąłóżŁś");
    int unassigned = 0;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const char32_t character = UnicodeFromCp1250(static_cast<std::uint8_t>(byte));
        if (character == kReplacement) {
            ++unassigned;
        } else {
            EXPECT_EQ(Cp1250FromUnicode(character), byte) << byte;
        }
    }
    EXPECT_EQ(unassigned, 5);
    EXPECT_EQ(UnicodeFromCp1250(0x81), kReplacement);
    EXPECT_EQ(UnicodeFromCp1250(0x98), kReplacement);
    for (const char32_t outside : {kReplacement, U'ñ', U'Ж', U'\u0081'}) {
        EXPECT_EQ(Cp1250FromUnicode(outside), std::nullopt) << int(outside);
    }
    EXPECT_EQ(UnicodeToCp1250(U"Alarm 🔥 linii"), std::nullopt);
    EXPECT_EQ(Cp1250ToUtf8("G8v\x01"
                           "1.0"),
              "G8v\x01"
              "1.0");
    EXPECT_EQ(Cp1250ToUtf8("\xB9\xA3\x80\x81"), "ąŁ€\uFFFD");
}

// Bytes from 128 on are codes, shown as "$" and three digits; a code's four characters are
// taken as digits whatever they are; a "$" too close to the end is a plain character.
TEST(SmsTextCodec, StoresCharactersAndCodesThenATerminatorKeepingTheRest) {
    const std::pair<std::string, Slot> stored[] = {
        {"Alarm $170", SlotStartingWith({'A', 'l', 'a', 'r', 'm', ' ', 170, 0})},
        {"", SlotStartingWith({0})},
        {"$065", SlotStartingWith({'A', 0})},
        {"$1x2", SlotStartingWith({54, 0})},
        {"$-12", SlotStartingWith({static_cast<std::uint8_t>(-300 + 10 + 2), 0})},
        {"$abc", SlotStartingWith({(100 * 49 + 10 * 50 + 51) % 256, 0})},
        {"ab$255cd", SlotStartingWith({'a', 'b', 255, 'c', 'd', 0})},
        {"ab$256cd", SlotStartingWith({'a', 'b', 0, 'c', 'd', 0})},
        {"$036abc", SlotStartingWith({'$', 'a', 'b', 'c', 0})},
        {"ab$", SlotStartingWith({'a', 'b', '$', 0})},
        {"a$1", SlotStartingWith({'a', '$', '1', 0})},
        {"$12", SlotStartingWith({'$', '1', '2', 0})},
        {"x$$1", SlotStartingWith({'x', '$', '$', '1', 0})},
    };
    for (const auto& [text, slot] : stored) {
        EXPECT_EQ(Stored(text), slot) << text;
    }
    const Encoding shortened = Encode("bbb", Stored(std::string(30, 'a')));
    EXPECT_EQ(std::string(shortened.slot.begin(), shortened.slot.begin() + 31),
              std::string("bbb") + '\0' + std::string(26, 'a') + '\0');
    EXPECT_EQ(shortened.slot[31], kOld);
}

TEST(SmsTextCodec, ShowsCharactersAndCodesUpToTheEnd) {
    const std::pair<Slot, std::string> shown[] = {
        {SlotStartingWith({'A', 'l', 'a', 'r', 'm', ' ', 170, 0}), "Alarm $170"},
        {SlotStartingWith({1, 31, 127, 128, 254, 0xFF, 'x'}), "\x01\x1F\x7F$128$254"},
        {SlotStartingWith({0, 'x'}), ""},
        {SlotStartingWith({0xFF, 'x'}), ""},
        {Stored("ab$255cd"), "ab"},
        {Stored("ab$256cd"), "ab"},
        {Stored("$036abc"), "$abc"},
        {Stored(Cp1250(U"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ $170")), "acelnoszz ACELNOSZZ $170"},
    };
    for (const auto& [slot, text] : shown) {
        EXPECT_EQ(DecodeSmsText(slot), text);
    }
    std::array<std::uint8_t, kSmsTextSlotSize + 1> fullSlotAndMore;
    fullSlotAndMore.fill(170);
    fullSlotAndMore.back() = 'X';
    const std::string full =
        DecodeSmsText(ConstSmsTextSlot(fullSlotAndMore.data(), kSmsTextSlotSize));
    EXPECT_EQ(full.size(), 160u);
    EXPECT_EQ(full.substr(156), "$170");
}

TEST(SmsTextCodec, FortyStoredBytesFitWithoutATerminatorAndOthersAreRefused) {
    const std::string forty = "0123456789abcdefghijABCDEFGHIJ0123456789";
    const Slot full = Stored(forty);
    EXPECT_EQ(std::string(full.begin(), full.end()), forty);
    EXPECT_EQ(DecodeSmsText(full), forty);
    std::string withCodes = std::string(30, 'x');
    for (int i = 0; i < 10; ++i) {
        withCodes += "$170";
    }
    const Slot codes = Stored(withCodes);
    EXPECT_EQ(codes[29], 'x');
    EXPECT_TRUE(std::all_of(codes.begin() + 30, codes.end(), [](auto b) { return b == 170; }));

    const Encoding tooLong = Encode(forty + "!");
    EXPECT_EQ(tooLong.result, SmsTextEncoding::TooLong);
    EXPECT_EQ(tooLong.slot, full);
    EXPECT_EQ(Encode(withCodes + "$170").result, SmsTextEncoding::TooLong);
    const Encoding dollarAtTheEnd = Encode(std::string(39, 'k') + "$12");
    EXPECT_EQ(dollarAtTheEnd.result, SmsTextEncoding::TooLong);
    EXPECT_EQ(dollarAtTheEnd.slot[39], '$');

    for (const std::u32string_view text : {U"20°C", U"¤170", U"Käse", U"a–b", U"€", U"$1ą2"}) {
        EXPECT_EQ(Encode(Cp1250(text)).result, SmsTextEncoding::ForbiddenCharacter);
    }
    EXPECT_EQ(Encode("ab\x81").result, SmsTextEncoding::ForbiddenCharacter);
}

} // namespace
