#include "config/config_file.h"
#include "config/file_scramble_table.h"
#include "tests/core/temporary_folder.h"

#include <gtest/gtest.h>

namespace {

ConfigImage SampleImage() {
    ConfigImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 31 + 17) & 0xFF);
    }
    return image;
}

// A file as another build of the console would have saved it, made without WriteConfigFile.
std::vector<unsigned char> FileBytesOf(ConfigImage image) {
    StoreCheckWord(image);
    std::vector<unsigned char> bytes(image.begin(), image.end());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] ^= FileScrambleTable[i];
    }
    return bytes;
}

class ConfigFileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    ConfigImage image = SampleImage();
};

TEST_F(ConfigFileTest, SaveThenLoadRestoresTheImageWithItsCheckWord) {
    const auto path = folder / "OBIEKT.GR8";
    ASSERT_TRUE(WriteConfigFile(path, image));
    EXPECT_TRUE(CheckWordMatches(image)) << "save recomputes the check word in memory";
    EXPECT_EQ(ReadAllBytes(path), FileBytesOf(image));

    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(path, loaded), ReadResult::Loaded);
    EXPECT_EQ(loaded, image);
}

TEST_F(ConfigFileTest, FileIsScrambledNotPlain) {
    const auto path = folder / "a.gr8";
    ConfigImage zeros{};
    ASSERT_TRUE(WriteConfigFile(path, zeros));
    const auto bytes = ReadAllBytes(path);
    ASSERT_EQ(bytes.size(), 1024u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), FileScrambleTable.begin()));
}

TEST_F(ConfigFileTest, AnySingleChangedByteIsRejectedAndKeepsTheImage) {
    const auto good = FileBytesOf(SampleImage());
    const auto path = folder / "bad.gr8";
    for (const std::size_t at : {0u, 5u, 511u, 512u, 1021u, 1022u, 1023u}) {
        auto bytes = good;
        bytes[at] ^= 0x40;
        WriteAllBytes(path, bytes);
        ConfigImage current{};
        current[100] = 42;
        const ConfigImage before = current;
        EXPECT_EQ(ReadConfigFile(path, current), ReadResult::Rejected) << "byte " << at;
        EXPECT_EQ(current, before) << "byte " << at;
    }
}

TEST_F(ConfigFileTest, ExtraBytesAfterAValidImageAreIgnored) {
    auto bytes = FileBytesOf(image);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    WriteAllBytes(folder / "long.gr8", bytes);
    ConfigImage loaded{};
    EXPECT_EQ(ReadConfigFile(folder / "long.gr8", loaded), ReadResult::Loaded);
    StoreCheckWord(image);
    EXPECT_EQ(loaded, image);
}

// Missing bytes count as 0xFF, so a short file whose check word happens to hold over the
// padded image still loads, and any other short file is refused by its check word.
TEST_F(ConfigFileTest, ShortFilesArePaddedWithFF) {
    ConfigImage padded{};
    padded.fill(0xFF);
    padded[0] = 0x12;
    StoreCheckWord(padded);
    auto bytes = FileBytesOf(padded);
    ASSERT_NE(bytes[1023] ^ FileScrambleTable[1023], 0xFF);

    WriteAllBytes(folder / "empty.gr8", {});
    ConfigImage loaded = image;
    EXPECT_EQ(ReadConfigFile(folder / "empty.gr8", loaded), ReadResult::Rejected);
    EXPECT_EQ(loaded, image);

    bytes.resize(100);
    WriteAllBytes(folder / "short.gr8", bytes);
    EXPECT_EQ(ReadConfigFile(folder / "short.gr8", loaded), ReadResult::Rejected);
    EXPECT_EQ(loaded, image);
}

TEST_F(ConfigFileTest, MissingFilesAndFoldersAreNotOpened) {
    ConfigImage loaded = image;
    EXPECT_EQ(ReadConfigFile(folder / "missing.gr8", loaded), ReadResult::NotOpened);
    EXPECT_EQ(ReadConfigFile(folder.Path(), loaded), ReadResult::NotOpened);
    EXPECT_EQ(loaded, image);
}

TEST_F(ConfigFileTest, SavingOverAnExistingFileReplacesIt) {
    const auto path = folder / "X.GR8";
    WriteAllBytes(path, std::vector<unsigned char>(3000, 0xAB));
    ASSERT_TRUE(WriteConfigFile(path, image));
    EXPECT_EQ(ReadAllBytes(path), FileBytesOf(image));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

// The temporary file cannot be created where a folder of its name stands, whatever the rights
// of the user running the test.
TEST_F(ConfigFileTest, FailedSaveLeavesTheOldFileAndReportsFailure) {
    const auto path = folder / "keep.gr8";
    const std::vector<unsigned char> old(1024, 0x11);
    WriteAllBytes(path, old);
    std::filesystem::create_directory(folder / ".keep.gr8.saving");
    EXPECT_FALSE(WriteConfigFile(path, image));
    EXPECT_TRUE(CheckWordMatches(image)) << "the check word is still recomputed in memory";
    EXPECT_EQ(ReadAllBytes(path), old);
    EXPECT_TRUE(std::filesystem::is_directory(folder / ".keep.gr8.saving"))
        << "what stood in the way is not ours to remove";
}

TEST_F(ConfigFileTest, SaveLeavesFilesWithSimilarNamesAlone) {
    const std::vector<unsigned char> user(10, 0x77);
    WriteAllBytes(folder / "a.gr8.tmp", user);
    ASSERT_TRUE(WriteConfigFile(folder / "a.gr8", image));
    EXPECT_EQ(ReadAllBytes(folder / "a.gr8.tmp"), user);
}

TEST_F(ConfigFileTest, SaveIntoAMissingFolderFails) {
    EXPECT_FALSE(WriteConfigFile(folder / "no-such-folder" / "a.gr8", image));
}

TEST_F(ConfigFileTest, SaveOverAFolderFailsAndKeepsIt) {
    std::filesystem::create_directory(folder / "dir.gr8");
    std::filesystem::create_directory(folder / "dir.gr8" / "inside");
    EXPECT_FALSE(WriteConfigFile(folder / "dir.gr8", image));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.gr8" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / ".dir.gr8.saving"));
}

} // namespace
