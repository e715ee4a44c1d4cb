#include "config/check_word.h"
#include "config/config_image.h"
#include "config/file_scramble_table.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(CheckWord, MatchesReferenceValues) {
    EXPECT_EQ(Crc16(Bytes("abc")), 0x0318);
    EXPECT_EQ(Crc16(std::vector<std::uint8_t>(1022, 0)), 0x0000);
}

TEST(CheckWord, IsStoredHighByteFirstAfterTheConfiguration) {
    ConfigImage image{};
    image[0] = 'a';
    image[1] = 'b';
    image[2] = 'c';
    const std::uint16_t word = ComputeCheckWord(image);
    ASSERT_NE(word >> 8, word & 0xFF);
    StoreCheckWord(image);
    EXPECT_EQ(image[1022], word >> 8);
    EXPECT_EQ(image[1023], word & 0xFF);
    EXPECT_TRUE(CheckWordMatches(image));
    std::swap(image[1022], image[1023]);
    EXPECT_FALSE(CheckWordMatches(image));
}

TEST(CheckWord, ClearedImageIsConsistent) {
    ConfigImage image;
    image.fill(0x5A);
    Clear(image);
    EXPECT_EQ(image, ConfigImage{});
    EXPECT_TRUE(CheckWordMatches(image));
}

TEST(CheckWord, AnySingleChangedByteIsNoticed) {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    StoreCheckWord(image);
    for (std::size_t i = 0; i < image.size(); ++i) {
        ConfigImage changed = image;
        changed[i] ^= 0x01;
        EXPECT_FALSE(CheckWordMatches(changed)) << "byte " << i;
    }
}

// Every stored configuration file depends on the scramble table staying exactly as it is.
TEST(FileScrambleTable, NeverChanges) {
    EXPECT_EQ(Crc16(FileScrambleTable), 0x0C13);
    EXPECT_EQ(FileScrambleTable.front(), 0x58);
    EXPECT_EQ(FileScrambleTable.back(), 0x20);
}

} // namespace
