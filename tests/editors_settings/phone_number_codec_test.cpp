#include "editors/phone_number_codec.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Slot = std::array<std::uint8_t, kPhoneNumberSlotSize>;

constexpr std::uint8_t kUntouched = 0x5A;

Slot Encoded(std::u32string_view text) {
    Slot slot;
    slot.fill(kUntouched);
    EncodePhoneNumber(text, slot);
    return slot;
}

std::u32string Decoded(const Slot& slot) {
    return DecodePhoneNumber(slot);
}

TEST(EncodePhoneNumber, PacksAnInternationalNumberAndKeepsTheBytesAfterIt) {
    EXPECT_EQ(Encoded(U"+48602951111"),
              (Slot{0x0B, 0x91, 0x84, 0x06, 0x92, 0x15, 0x11, 0xF1, kUntouched, kUntouched}));
}

TEST(EncodePhoneNumber, GivesTheFirstCharacterItsMeaning) {
    EXPECT_EQ(Encoded(U"*123"), (Slot{0x03, 0xA1, 0x21, 0xF3, kUntouched, kUntouched, kUntouched,
                                      kUntouched, kUntouched, kUntouched}));
    EXPECT_EQ(Encoded(U" 602951111"),
              (Slot{0x09, 0x81, 0x06, 0x92, 0x15, 0x11, 0xF1, kUntouched, kUntouched, kUntouched}))
        << "a blank in front is dropped";
    EXPECT_EQ(Encoded(U"ą12"), (Slot{0x02, 0x81, 0x21, kUntouched, kUntouched, kUntouched,
                                     kUntouched, kUntouched, kUntouched, kUntouched}))
        << "any one character in front is dropped, also one that takes several bytes in UTF-8";
}

TEST(EncodePhoneNumber, FillsTheSlotWithThirteenAndSixteenDigits) {
    EXPECT_EQ(Encoded(U"+1234567890123"),
              (Slot{0x0D, 0x91, 0x21, 0x43, 0x65, 0x87, 0x09, 0x21, 0xF3, kUntouched}));
    EXPECT_EQ(Encoded(U"12345678901234567"),
              (Slot{0x10, 0x81, 0x21, 0x43, 0x65, 0x87, 0x09, 0x21, 0x43, 0x65}))
        << "digits after the sixteenth do not fit and are left out";
}

TEST(EncodePhoneNumber, AnEmptyTextStoresNoNumberAndKeepsTheDigitBytes) {
    Slot slot = Encoded(U"+48602951111");
    EncodePhoneNumber(U"", slot);
    EXPECT_EQ(slot, (Slot{0x00, 0x81, 0x84, 0x06, 0x92, 0x15, 0x11, 0xF1, kUntouched, kUntouched}));
    EXPECT_EQ(Decoded(slot), U"");
}

TEST(EncodePhoneNumber, ALaterNonDigitLeavesNoNumber) {
    const Slot slot = Encoded(U"602 951 111");
    EXPECT_EQ(slot[0], 0x00);
    EXPECT_EQ(Decoded(slot), U"");
}

TEST(DecodePhoneNumber, ReadsBackWhatWasEncoded) {
    for (const std::u32string_view text :
         {U"+48602951111", U"*123", U"0", U"12", U"+1234567890123", U"1234567890123456"}) {
        EXPECT_EQ(Decoded(Encoded(text)), text);
    }
}

TEST(DecodePhoneNumber, ShowsNibblesAboveNineAsTheCharactersAfterNine) {
    EXPECT_EQ(Decoded(Slot{0x04, 0x81, 0xA9, 0xFB, 0, 0, 0, 0, 0, 0}), U"9:;?");
}

TEST(DecodePhoneNumber, GivesAnEmptyTextForACountOrTypeItCannotShow) {
    const Slot number{0x02, 0x91, 0x21, 0, 0, 0, 0, 0, 0, 0};
    for (const std::uint8_t count : {0x00, 0x11, 0xFF}) {
        Slot slot = number;
        slot[0] = count;
        EXPECT_EQ(Decoded(slot), U"") << "count " << int{count};
    }
    for (const std::uint8_t type : {0x00, 0x80, 0x90, 0xA0, 0xA9, 0xFF}) {
        Slot slot = number;
        slot[1] = type;
        EXPECT_EQ(Decoded(slot), U"") << "type " << int{type};
    }
    Slot sixteen = number;
    sixteen[0] = 16;
    EXPECT_EQ(Decoded(sixteen).size(), 17u) << "sixteen digits are still a number";
}

TEST(IsStorablePhoneNumber, AllowsOnlyDigitsAfterTheFirstCharacter) {
    for (const std::u32string_view good :
         {U"", U"+", U"+48602951111", U"*123", U" 602951111", U"x12", U"0048602951111"}) {
        EXPECT_TRUE(IsStorablePhoneNumber(good));
    }
    for (const std::u32string_view bad :
         {U"602 951 111", U"+48-602951111", U"602951111 ", U"++48", U"12a", U"1٣"}) {
        EXPECT_FALSE(IsStorablePhoneNumber(bad));
    }
}

} // namespace
