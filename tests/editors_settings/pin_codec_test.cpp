#include "editors/pin_codec.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Field = std::array<std::uint8_t, kPinFieldSize>;

constexpr std::uint8_t kUntouched = 0x5A;

Field Encoded(std::u32string_view pin) {
    Field field;
    field.fill(kUntouched);
    EncodePin(pin, field);
    return field;
}

TEST(EncodePin, EndsAShortPinWithAZeroAndKeepsTheBytesAfterIt) {
    EXPECT_EQ(Encoded(U""), (Field{0x00, kUntouched, kUntouched, kUntouched}));
    EXPECT_EQ(Encoded(U"12"), (Field{'1', '2', 0x00, kUntouched}));
    EXPECT_EQ(Encoded(U"1234"), (Field{'1', '2', '3', '4'}));
    EXPECT_EQ(Encoded(U"123456"), (Field{'1', '2', '3', '4'})) << "the field holds four";
}

TEST(DecodePin, ReadsTheLeadingDigits) {
    for (const std::u32string_view pin : {U"", U"0", U"12", U"0000", U"9876"}) {
        EXPECT_EQ(DecodePin(Encoded(pin)), pin);
    }
    EXPECT_EQ(DecodePin(Field{'1', '2', 'a', '3'}), U"12");
    EXPECT_EQ(DecodePin(Field{'/', '1', '2', '3'}), U"");
    EXPECT_EQ(DecodePin(Field{0xFF, 0xFF, 0xFF, 0xFF}), U"");
    EXPECT_EQ(DecodePin(Field{'1', '2', '3', ':'}), U"123");
}

TEST(IsStorablePin, AllowsDigitsOnly) {
    for (const std::u32string_view good : {U"", U"0", U"1234"}) {
        EXPECT_TRUE(IsStorablePin(good));
    }
    for (const std::u32string_view bad : {U"12a4", U" 123", U"123 ", U"-1", U"12٣4", U"+123"}) {
        EXPECT_FALSE(IsStorablePin(bad));
    }
}

} // namespace
