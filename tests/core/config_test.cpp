#include "config/check_word.h"
#include "config/config_file.h"
#include "config/file_scramble_table.h"
#include "tests/core/temporary_folder.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>

namespace {

using FileBytes = std::vector<unsigned char>;

ConfigImage SampleImage() {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 31 + 17) & 0xFF);
    }
    return image;
}

// A file as another build of the console would have saved it, made without WriteConfigFile.
FileBytes FileBytesOf(ConfigImage image) {
    StoreCheckWord(image);
    FileBytes bytes(image.begin(), image.end());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] ^= FileScrambleTable[i];
    }
    return bytes;
}

// A configuration whose last byte is what a file one byte short reads there: 0xFF, unscrambled.
// Bytes 1020 and 1021 are chosen so that the check word ends in that byte.
ConfigImage ImageEndingInPadding() {
    ConfigImage image = SampleImage();
    image[1023] = 0xFF ^ FileScrambleTable[1023];
    for (unsigned tail = 0; tail < 0x10000 && !CheckWordMatches(image); ++tail) {
        image[1020] = static_cast<std::uint8_t>(tail >> 8);
        image[1021] = static_cast<std::uint8_t>(tail);
        image[1022] = static_cast<std::uint8_t>(ComputeCheckWord(image) >> 8);
    }
    return image;
}

TEST(CheckWord, IsStoredHighByteFirstAndNoticesAnySingleChangedByte) {
    const std::string_view abc = "abc";
    EXPECT_EQ(Crc16(std::vector<std::uint8_t>(abc.begin(), abc.end())), 0x0318);
    // Every stored configuration file depends on the scramble table staying exactly as it is.
    EXPECT_EQ(Crc16(FileScrambleTable), 0x0C13);

    ConfigImage image = SampleImage();
    image.fill(0x5A);
    Clear(image);
    EXPECT_EQ(image, ConfigImage{});
    EXPECT_TRUE(CheckWordMatches(image));

    image = SampleImage();
    const std::uint16_t word = ComputeCheckWord(image);
    ASSERT_NE(word >> 8, word & 0xFF);
    StoreCheckWord(image);
    EXPECT_EQ(image[1022], word >> 8);
    EXPECT_EQ(image[1023], word & 0xFF);
    for (std::size_t i = 0; i < image.size(); ++i) {
        ConfigImage changed = image;
        changed[i] ^= 0x01;
        EXPECT_FALSE(CheckWordMatches(changed)) << "byte " << i;
    }
}

class ConfigFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    ConfigImage image = SampleImage();
};

TEST_F(ConfigFileTest, SaveScramblesTheImageWithItsNewCheckWordAndLoadRestoresIt) {
    const auto path = folder / "OBIEKT.GR8";
    WriteAllBytes(path, FileBytes(3000, 0xAB));
    ASSERT_TRUE(WriteConfigFile(path, image));
    EXPECT_TRUE(CheckWordMatches(image)) << "save recomputes the check word in memory";
    EXPECT_EQ(ReadAllBytes(path), FileBytesOf(image));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";

    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(path, loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, image);
}

// Only a file whose check word holds replaces the image. A file reads as its first 1024 bytes,
// a short one padded with 0xFF.
TEST_F(ConfigFileTest, LoadsOnlyAFileWhoseCheckWordHolds) {
    ConfigImage withCheckWord = image;
    StoreCheckWord(withCheckWord);
    const FileBytes good = FileBytesOf(image);
    const ConfigImage padded = ImageEndingInPadding();
    ASSERT_TRUE(CheckWordMatches(padded));
    FileBytes shortFile = FileBytesOf(padded);
    shortFile.pop_back();
    FileBytes longer = good;
    longer.insert(longer.end(), {1, 2, 3, 4, 5});
    std::vector<std::tuple<FileBytes, ReadResult, ConfigImage>> cases = {
        {good, ReadResult::Loaded, withCheckWord},
        {longer, ReadResult::Loaded, withCheckWord},
        {shortFile, ReadResult::Loaded, padded},
        {FileBytes{}, ReadResult::Rejected, ConfigImage{}},
        {FileBytes(good.begin(), good.begin() + 100), ReadResult::Rejected, ConfigImage{}},
    };
    for (const std::size_t at : {0u, 5u, 511u, 512u, 1021u, 1022u, 1023u}) {
        FileBytes changed = good;
        changed[at] ^= 0x40;
        cases.emplace_back(changed, ReadResult::Rejected, ConfigImage{});
    }
    for (const auto& [bytes, result, loaded] : cases) {
        WriteAllBytes(folder / "a.gr8", bytes);
        ConfigImage current{};
        current[100] = 42;
        const ConfigImage before = current;

        EXPECT_EQ(ReadConfigFile(folder / "a.gr8", current), result) << bytes.size();
        EXPECT_EQ(current, result == ReadResult::Loaded ? loaded : before) << bytes.size();
    }

    ConfigImage loaded = image;
    EXPECT_EQ(ReadConfigFile(folder / "missing.gr8", loaded), ReadResult::NotOpened);
    EXPECT_EQ(ReadConfigFile(folder.Path(), loaded), ReadResult::NotOpened);
    EXPECT_EQ(loaded, image);
}

// A save that cannot complete leaves whatever stood at the target, and files of similar names,
// as they were. The temporary file cannot be created where a folder of its name stands,
// whatever the rights of the user running the test.
TEST_F(ConfigFileTest, AFailedSaveLeavesEverythingAsItWas) {
    const FileBytes old(1024, 0x11);
    WriteAllBytes(folder / "keep.gr8", old);
    WriteAllBytes(folder / "keep.gr8.tmp", old);
    std::filesystem::create_directory(folder / ".keep.gr8.saving");
    EXPECT_FALSE(WriteConfigFile(folder / "keep.gr8", image));
    EXPECT_TRUE(CheckWordMatches(image)) << "the check word is still recomputed in memory";
    EXPECT_EQ(ReadAllBytes(folder / "keep.gr8"), old);
    EXPECT_TRUE(std::filesystem::is_directory(folder / ".keep.gr8.saving"));

    std::filesystem::remove(folder / ".keep.gr8.saving");
    EXPECT_TRUE(WriteConfigFile(folder / "keep.gr8", image));
    EXPECT_EQ(ReadAllBytes(folder / "keep.gr8.tmp"), old);

    EXPECT_FALSE(WriteConfigFile(folder / "no-such-folder" / "a.gr8", image));
    std::filesystem::create_directories(folder / "dir.gr8" / "inside");
    EXPECT_FALSE(WriteConfigFile(folder / "dir.gr8", image));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.gr8" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / ".dir.gr8.saving"));
}

} // namespace
