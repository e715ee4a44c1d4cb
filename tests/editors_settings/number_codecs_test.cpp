#include "editors/little_endian_codec.h"
#include "editors/network_code_codec.h"
#include "editors/temperature_codec.h"

#include <array>
#include <gtest/gtest.h>

namespace {

using Word = std::array<std::uint8_t, 2>;

TEST(Temperature, KeepsLimitsAsSignedBytes) {
    EXPECT_EQ(EncodeTemperature(-25), 0xE7);
    EXPECT_EQ(EncodeTemperature(-1), 0xFF);
    EXPECT_EQ(EncodeTemperature(120), 0x78);
    for (const int celsius : {-25, -1, 0, 5, 120}) {
        EXPECT_EQ(DecodeTemperature(EncodeTemperature(celsius), kLowLimitInstead), celsius);
    }
}

TEST(Temperature, ShowsALimitOutsideTheRangeAsItsReplacement) {
    EXPECT_EQ(DecodeTemperature(0x79, kLowLimitInstead), 5) << "121";
    EXPECT_EQ(DecodeTemperature(0x79, kHighLimitInstead), 10);
    EXPECT_EQ(DecodeTemperature(0xE6, kLowLimitInstead), 5) << "-26";
    EXPECT_EQ(DecodeTemperature(0x80, kHighLimitInstead), 10) << "-128";
    EXPECT_EQ(DecodeTemperature(0x7F, kHighLimitInstead), 10) << "127";
}

TEST(LittleEndian, PutsTheLowByteFirst) {
    Word bytes{};
    WriteLittleEndian16(0x1234, bytes);
    EXPECT_EQ(bytes, (Word{0x34, 0x12}));
    EXPECT_EQ(ReadLittleEndian16(bytes), 0x1234);
    EXPECT_EQ(ReadLittleEndian16(Word{0xFF, 0xFF}), 65535);
}

TEST(NetworkCode, ReadsErasedMemoryAsTheAutomaticChoice) {
    Word bytes{};
    EncodeNetworkCode(65535, bytes);
    EXPECT_EQ(bytes, (Word{0xFF, 0xFF}));
    EXPECT_EQ(DecodeNetworkCode(bytes), 0);
    EncodeNetworkCode(26003, bytes);
    EXPECT_EQ(bytes, (Word{0x93, 0x65}));
    EXPECT_EQ(DecodeNetworkCode(bytes), 26003);
    EXPECT_EQ(DecodeNetworkCode(Word{0xFE, 0xFF}), 65534);
}

} // namespace
