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

TEST(SmsTextDecoding, ShowsCharactersAndCodesUpToTheEnd) {
    EXPECT_EQ(DecodeSmsText(SlotStartingWith({'A', 'l', 'a', 'r', 'm', ' ', 170, 0})),
              "Alarm $170");
    EXPECT_EQ(DecodeSmsText(SlotStartingWith({1, 31, 127, 128, 254, 0xFF, 'x'})),
              "\x01\x1F\x7F$128$254");
    EXPECT_EQ(DecodeSmsText(SlotStartingWith({0, 'x'})), "");
    EXPECT_EQ(DecodeSmsText(SlotStartingWith({0xFF, 'x'})), "");

    std::array<std::uint8_t, kSmsTextSlotSize + 1> fullSlotAndMore;
    fullSlotAndMore.fill(170);
    fullSlotAndMore.back() = 'X';
    const std::string full =
        DecodeSmsText(ConstSmsTextSlot(fullSlotAndMore.data(), kSmsTextSlotSize));
    EXPECT_EQ(full.size(), 160u);
    EXPECT_EQ(full.substr(156), "$170");
}

TEST(SmsTextEncoding, StoresCharactersAndCodesThenATerminatorKeepingTheRest) {
    EXPECT_EQ(Stored("Alarm $170"), SlotStartingWith({'A', 'l', 'a', 'r', 'm', ' ', 170, 0}));
    EXPECT_EQ(Stored(""), SlotStartingWith({0}));

    const Encoding shortened = Encode("bbb", Stored(std::string(30, 'a')));
    EXPECT_EQ(std::string(shortened.slot.begin(), shortened.slot.begin() + 31),
              std::string("bbb") + '\0' + std::string(26, 'a') + '\0');
    EXPECT_EQ(shortened.slot[31], kOld);
}

TEST(SmsTextEncoding, FortyStoredBytesFitWithoutATerminatorAndMoreAreTooLong) {
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
}

TEST(SmsTextEncoding, CodeCharactersAreTakenAsDigitsWhateverTheyAre) {
    EXPECT_EQ(Stored("$065")[0], 'A');
    EXPECT_EQ(Stored("$1x2")[0], 54);
    EXPECT_EQ(Stored("$-12")[0], static_cast<std::uint8_t>(-300 + 10 + 2));
    EXPECT_EQ(Stored("ab$255cd"), SlotStartingWith({'a', 'b', 255, 'c', 'd', 0}));
    EXPECT_EQ(Stored("ab$256cd"), SlotStartingWith({'a', 'b', 0, 'c', 'd', 0}));
    EXPECT_EQ(DecodeSmsText(Stored("ab$255cd")), "ab");
    EXPECT_EQ(DecodeSmsText(Stored("ab$256cd")), "ab");

    // A stored "$" reads back as a plain one, and then opens a code when stored again.
    EXPECT_EQ(DecodeSmsText(Stored("$036abc")), "$abc");
    EXPECT_EQ(Stored("$abc")[0], (100 * 49 + 10 * 50 + 51) % 256);
}

TEST(SmsTextEncoding, ADollarSignTooCloseToTheEndIsAPlainCharacter) {
    EXPECT_EQ(Stored("ab$"), SlotStartingWith({'a', 'b', '$', 0}));
    EXPECT_EQ(Stored("a$1"), SlotStartingWith({'a', '$', '1', 0}));
    EXPECT_EQ(Stored("$12"), SlotStartingWith({'$', '1', '2', 0}));
    EXPECT_EQ(Stored("x$$1"), SlotStartingWith({'x', '$', '$', '1', 0}));

    const Encoding full = Encode(std::string(39, 'k') + "$12");
    EXPECT_EQ(full.result, SmsTextEncoding::TooLong);
    EXPECT_EQ(full.slot[39], '$');
}

TEST(SmsTextEncoding, PolishLettersLoseTheirDiacriticsAndOtherCharactersAreRefused) {
    EXPECT_EQ(DecodeSmsText(Stored(Cp1250(U"ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ $170"))),
              "acelnoszz ACELNOSZZ $170");

    for (const std::u32string_view text : {U"20°C", U"¤170", U"Käse", U"a–b", U"€", U"$1ą2"}) {
        EXPECT_EQ(Encode(Cp1250(text)).result, SmsTextEncoding::ForbiddenCharacter);
    }
    EXPECT_EQ(Encode("ab\x81").result, SmsTextEncoding::ForbiddenCharacter);
}

} // namespace
