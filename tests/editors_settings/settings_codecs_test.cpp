#include "editors/flag_codec.h"
#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/phone_number_codec.h"
#include "editors/pin_codec.h"
#include "editors/temperature_codec.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Slot = std::array<std::uint8_t, kPhoneNumberSlotSize>;
using Pin = std::array<std::uint8_t, kPinFieldSize>;
using Word = std::array<std::uint8_t, 2>;

// Bytes an encoder must leave alone.
constexpr std::uint8_t k = 0x5A;

template <class Field, class Encode> Field Encoded(Encode encode, std::u32string_view text) {
    Field field;
    field.fill(k);
    encode(text, field);
    return field;
}

Slot Phone(std::u32string_view text) {
    return Encoded<Slot>([](auto t, Slot& s) { EncodePhoneNumber(t, s); }, text);
}

Pin PinField(std::u32string_view text) {
    return Encoded<Pin>([](auto t, Pin& p) { EncodePin(t, p); }, text);
}

// The first character gives the type and is not stored; bytes after the digits stay.
TEST(PhoneNumberCodec, PacksTheDigitsAfterTheFirstCharacterAndReadsThemBack) {
    const std::pair<std::u32string_view, Slot> cases[] = {
        {U"+48602951111", {0x0B, 0x91, 0x84, 0x06, 0x92, 0x15, 0x11, 0xF1, k, k}},
        {U"*123", {0x03, 0xA1, 0x21, 0xF3, k, k, k, k, k, k}},
        {U"0", {0x01, 0x81, 0xF0, k, k, k, k, k, k, k}},
        {U"+1234567890123", {0x0D, 0x91, 0x21, 0x43, 0x65, 0x87, 0x09, 0x21, 0xF3, k}},
        {U"1234567890123456", {0x10, 0x81, 0x21, 0x43, 0x65, 0x87, 0x09, 0x21, 0x43, 0x65}},
    };
    for (const auto& [text, slot] : cases) {
        EXPECT_EQ(Phone(text), slot);
        EXPECT_EQ(DecodePhoneNumber(slot), text);
    }
    EXPECT_EQ(Phone(U" 602951111"), (Slot{0x09, 0x81, 0x06, 0x92, 0x15, 0x11, 0xF1, k, k, k}));
    EXPECT_EQ(Phone(U"ą12"), (Slot{0x02, 0x81, 0x21, k, k, k, k, k, k, k}));
    EXPECT_EQ(Phone(U"12345678901234567"), cases[4].second) << "a seventeenth digit is left out";
    EXPECT_EQ(Phone(U"602 951 111")[0], 0x00) << "a later non-digit stores no number";

    Slot cleared = cases[0].second;
    EncodePhoneNumber(U"", cleared);
    EXPECT_EQ(cleared, (Slot{0x00, 0x81, 0x84, 0x06, 0x92, 0x15, 0x11, 0xF1, k, k}));
    EXPECT_EQ(DecodePhoneNumber(cleared), U"");
}

TEST(PhoneNumberCodec, ShowsWhatTheBoxCanShowAndAllowsOnlyDigitsAfterTheFirst) {
    EXPECT_EQ(DecodePhoneNumber(Slot{0x04, 0x81, 0xA9, 0xFB, 0, 0, 0, 0, 0, 0}), U"9:;?");
    for (const auto& [at, value] : {std::pair{0, 0x00},
                                    {0, 0x11},
                                    {0, 0xFF},
                                    {1, 0x00},
                                    {1, 0x80},
                                    {1, 0x90},
                                    {1, 0xA0},
                                    {1, 0xA9},
                                    {1, 0xFF}}) {
        Slot slot{0x02, 0x91, 0x21, 0, 0, 0, 0, 0, 0, 0};
        slot[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        EXPECT_EQ(DecodePhoneNumber(slot), U"") << at << " " << value;
    }
    for (const std::u32string_view good :
         {U"", U"+", U"+48602951111", U"*123", U" 602951111", U"x12", U"0048602951111"}) {
        EXPECT_TRUE(IsStorablePhoneNumber(good));
    }
    for (const std::u32string_view bad :
         {U"602 951 111", U"+48-602951111", U"602951111 ", U"++48", U"12a", U"1٣"}) {
        EXPECT_FALSE(IsStorablePhoneNumber(bad));
    }
}

TEST(PinCodec, StoresUpToFourDigitsEndedByAZeroAndReadsTheLeadingDigits) {
    EXPECT_EQ(PinField(U""), (Pin{0x00, k, k, k}));
    EXPECT_EQ(PinField(U"12"), (Pin{'1', '2', 0x00, k}));
    EXPECT_EQ(PinField(U"1234"), (Pin{'1', '2', '3', '4'}));
    EXPECT_EQ(PinField(U"123456"), (Pin{'1', '2', '3', '4'}));
    for (const std::u32string_view pin : {U"", U"0", U"12", U"0000", U"9876"}) {
        EXPECT_EQ(DecodePin(PinField(pin)), pin);
    }
    EXPECT_EQ(DecodePin(Pin{'1', '2', 'a', '3'}), U"12");
    EXPECT_EQ(DecodePin(Pin{'/', '1', '2', '3'}), U"");
    EXPECT_EQ(DecodePin(Pin{0xFF, 0xFF, 0xFF, 0xFF}), U"");
    EXPECT_EQ(DecodePin(Pin{'1', '2', '3', ':'}), U"123");
    for (const std::u32string_view good : {U"", U"0", U"1234"}) {
        EXPECT_TRUE(IsStorablePin(good));
    }
    for (const std::u32string_view bad : {U"12a4", U" 123", U"123 ", U"-1", U"12٣4", U"+123"}) {
        EXPECT_FALSE(IsStorablePin(bad));
    }
}

// A stored limit outside -25..120 shows as the low or the high replacement.
TEST(NumberCodecs, TemperaturesNetworkCodeAndWords) {
    for (const auto& [celsius, byte] :
         {std::pair{-25, 0xE7}, {-1, 0xFF}, {0, 0}, {5, 5}, {120, 0x78}}) {
        EXPECT_EQ(EncodeTemperature(celsius), byte);
        EXPECT_EQ(DecodeTemperature(static_cast<std::uint8_t>(byte), kLowLimitInstead), celsius);
        EXPECT_EQ(DecodeTemperature(static_cast<std::uint8_t>(byte), kHighLimitInstead), celsius);
    }
    for (const std::uint8_t outside : {0x79, 0x7F, 0x80, 0xE6}) {
        EXPECT_EQ(DecodeTemperature(outside, kLowLimitInstead), 5) << int{outside};
        EXPECT_EQ(DecodeTemperature(outside, kHighLimitInstead), 10) << int{outside};
    }
    Word bytes{};
    WriteLittleEndian16(0x1234, bytes);
    EXPECT_EQ(bytes, (Word{0x34, 0x12}));
    EXPECT_EQ(ReadLittleEndian16(bytes), 0x1234);
    EXPECT_EQ(ReadLittleEndian16(Word{0xFF, 0xFF}), 65535);
    EncodeNetworkCode(26003, bytes);
    EXPECT_EQ(bytes, (Word{0x93, 0x65}));
    EXPECT_EQ(DecodeNetworkCode(bytes), 26003);
    EncodeNetworkCode(65535, bytes);
    EXPECT_EQ(bytes, (Word{0xFF, 0xFF}));
    EXPECT_EQ(DecodeNetworkCode(bytes), 0) << "erased memory is the automatic choice";
    EXPECT_EQ(DecodeNetworkCode(Word{0xFE, 0xFF}), 65534);
}

TEST(FlagCodecs, SwitchesSharedBitsAndLineFlags) {
    const SwitchBits switches = DecodeSwitches(0b1000'0101);
    EXPECT_EQ(switches, (SwitchBits{true, false, true, false, false, false, false, true}));
    EXPECT_EQ(EncodeSwitches(switches), 0b1000'0101);
    EXPECT_EQ(EncodeSwitches(DecodeSwitches(0xFF)), 0xFF);
    EXPECT_EQ(EncodeSwitches(SwitchBits{}), 0x00);
    EXPECT_EQ(WithBit(0xFF, 5, false), 0xDF);
    EXPECT_EQ(WithBit(0x00, 5, true), 0x20);
    EXPECT_EQ(WithBit(0xC7, 5, false), 0xC7);
    EXPECT_EQ(WithBit(0x20, 5, true), 0x20);
    EXPECT_TRUE(IsBitSet(0x20, 5));
    EXPECT_FALSE(IsBitSet(0xDF, 5));
    EXPECT_EQ(DecodeLineFlags(0x37), (LineFlags{true, true, true, true, true}));
    EXPECT_EQ(DecodeLineFlags(0x08 | 0x40 | 0x80), LineFlags{}) << "unused bits are ignored";
    EXPECT_EQ(DecodeLineFlags(0x10), (LineFlags{false, false, false, true, false}));
    EXPECT_EQ(EncodeLineFlags(DecodeLineFlags(0xFF)), 0x37);
    EXPECT_EQ(EncodeLineFlags(LineFlags{false, false, false, false, true}), 0x20);
    EXPECT_EQ(EncodeLineFlags(LineFlags{true, false, true, false, false}), 0x05);
    EXPECT_EQ(EncodeLineFlags(LineFlags{}), 0x00);
}

} // namespace
