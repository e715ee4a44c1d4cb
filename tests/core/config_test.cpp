#include "config/check_word.h"
#include "config/config_file.h"
#include "config/file_scramble_table.h"
#include "tests/core/temporary_folder.h"

#include <gtest/gtest.h>

namespace {

using FileBytes = std::vector<unsigned char>;

ConfigImage SampleImage() {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 31 + 17);
    }
    return image;
}

TEST(CheckWord, IsStoredHighByteFirstAndNoticesAnySingleChangedByte) {
    const std::uint8_t abc[] = {'a', 'b', 'c'};
    EXPECT_EQ(Crc16(abc), 0x0318);
    // Every stored configuration file depends on the scramble table staying exactly as it is.
    EXPECT_EQ(Crc16(FileScrambleTable), 0x0C13);
    ConfigImage image = SampleImage();
    Clear(image);
    EXPECT_EQ(image, ConfigImage{});
    EXPECT_TRUE(CheckWordMatches(image));

    image = SampleImage();
    StoreCheckWord(image);
    EXPECT_EQ(image[1022] * 256 + image[1023], ComputeCheckWord(image));
    for (std::size_t i = 0; i < image.size(); ++i) {
        ConfigImage changed = image;
        changed[i] ^= 0x01;
        EXPECT_FALSE(CheckWordMatches(changed)) << "byte " << i;
    }
}

// A save stores the check word, scrambles the image and replaces the file whole, or leaves it
// as it was. Only a file whose check word holds replaces the image; a file reads as its first
// 1024 bytes, a short one padded with 0xFF.
TEST(ConfigFile, SavesScrambledAndLoadsOnlyAFileWhoseCheckWordHolds) {
    TemporaryFolder folder;
    ConfigImage image = SampleImage();
    WriteAllBytes(folder / "a.gr8", FileBytes(3000, 0xAB));
    ASSERT_TRUE(WriteConfigFile(folder / "a.gr8", image));
    EXPECT_TRUE(CheckWordMatches(image));
    FileBytes good(image.begin(), image.end());
    for (std::size_t i = 0; i < good.size(); ++i) {
        good[i] ^= FileScrambleTable[i];
    }
    EXPECT_EQ(ReadAllBytes(folder / "a.gr8"), good);
    std::filesystem::create_directory(folder / ".a.gr8.saving");
    EXPECT_FALSE(WriteConfigFile(folder / "a.gr8", image));
    EXPECT_EQ(ReadAllBytes(folder / "a.gr8"), good);

    FileBytes longer = good;
    longer.push_back(1);
    std::vector<std::pair<FileBytes, ReadResult>> cases = {
        {good, ReadResult::Loaded}, {longer, ReadResult::Loaded}, {{}, ReadResult::Rejected}};
    cases.emplace_back(FileBytes(good.begin(), good.begin() + 1000), ReadResult::Rejected);
    ConfigImage before{};
    before[100] = 42;
    for (const auto& [bytes, result] : cases) {
        WriteAllBytes(folder / "b.gr8", bytes);
        ConfigImage loaded = before;
        EXPECT_EQ(ReadConfigFile(folder / "b.gr8", loaded), result) << bytes.size();
        EXPECT_EQ(loaded, result == ReadResult::Loaded ? image : before) << bytes.size();
    }
    std::error_code error;
    ConfigImage padded = image;
    for (std::size_t i = 1000; i < padded.size(); ++i) {
        padded[i] = 0xFF ^ FileScrambleTable[i];
    }
    EXPECT_EQ(LoadConfigFileUnchecked(folder / "b.gr8", error)->image, padded);
    EXPECT_EQ(ReadConfigFile(folder / "missing.gr8", image), ReadResult::NotOpened);
    EXPECT_EQ(ReadConfigFile(folder.Path(), image), ReadResult::NotOpened);
}

} // namespace
