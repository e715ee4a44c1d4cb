#include "editors/flag_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(Switches, MapBitZeroToTheFirstSwitch) {
    const SwitchBits switches = DecodeSwitches(0b1000'0101);
    EXPECT_EQ(switches, (SwitchBits{true, false, true, false, false, false, false, true}));
    EXPECT_EQ(EncodeSwitches(switches), 0b1000'0101);
    EXPECT_EQ(EncodeSwitches(DecodeSwitches(0xFF)), 0xFF);
    EXPECT_EQ(EncodeSwitches(SwitchBits{}), 0x00);
}

TEST(SharedByte, ChangesOnlyTheOneBit) {
    EXPECT_EQ(WithBit(0xFF, 5, false), 0xDF);
    EXPECT_EQ(WithBit(0x00, 5, true), 0x20);
    EXPECT_EQ(WithBit(0x20, 5, true), 0x20);
    EXPECT_EQ(WithBit(0xC7, 5, false), 0xC7);
    EXPECT_TRUE(IsBitSet(0x20, 5));
    EXPECT_FALSE(IsBitSet(0xDF, 5));
}

TEST(LineFlags, UseBitsZeroToTwoAndFourAndFive) {
    EXPECT_EQ(DecodeLineFlags(0x37), (LineFlags{true, true, true, true, true}));
    EXPECT_EQ(DecodeLineFlags(0x08 | 0x40 | 0x80), LineFlags{}) << "unused bits are ignored";
    EXPECT_EQ(DecodeLineFlags(0x10), (LineFlags{false, false, false, true, false}));
    EXPECT_EQ(EncodeLineFlags(DecodeLineFlags(0xFF)), 0x37);
    EXPECT_EQ(EncodeLineFlags(LineFlags{false, false, false, false, true}), 0x20);
    EXPECT_EQ(EncodeLineFlags(LineFlags{true, false, true, false, false}), 0x05);
    EXPECT_EQ(EncodeLineFlags(LineFlags{}), 0x00);
}

} // namespace
