#include "config/file_scramble_table.h"
#include "sample_configuration.h"
#include "tests/core/temporary_folder.h"
#include "tools/grt8/configuration_file.h"

#include <gtest/gtest.h>

namespace {

class ConfigurationFileTest : public ::testing::Test {
protected:
    std::filesystem::path SavedSample() {
        const std::filesystem::path path = folder / "sample.gr8";
        EXPECT_TRUE(SaveConfiguration(path, SampleConfiguration()));
        return path;
    }

    TemporaryFolder folder;
};

TEST_F(ConfigurationFileTest, KeepsTheImageOfAFileWithAWrongCheckWord) {
    const std::filesystem::path path = SavedSample();
    std::vector<unsigned char> bytes = ReadAllBytes(path);
    bytes[100] ^= 0x01;
    WriteAllBytes(path, bytes);
    const ConfigurationFileLoad load = LoadConfigurationFile(path);
    ASSERT_TRUE(load.file.has_value());
    EXPECT_FALSE(load.file->CheckWordMatches());
    EXPECT_EQ(load.file->image[100], SampleConfiguration()[100] ^ 0x01);
    EXPECT_EQ(load.file->image[kSmsLimitOffset], 10);
}

TEST_F(ConfigurationFileTest, AShortFileIsPaddedAsTheConsolePadsIt) {
    for (const std::size_t length : {0u, 1u, 1023u}) {
        WriteAllBytes(folder / "short.gr8", std::vector<unsigned char>(length, 0x5A));
        const ConfigurationFileLoad load = LoadConfigurationFile(folder / "short.gr8");
        ASSERT_TRUE(load.file.has_value()) << load.error;
        EXPECT_EQ(load.file->bytesRead, length);
        EXPECT_FALSE(load.file->longerThanImage);
        EXPECT_EQ(load.file->image[1023], 0xFF ^ FileScrambleTable[1023]);
        if (length > 0) {
            EXPECT_EQ(load.file->image[0], 0x5A ^ FileScrambleTable[0]);
        }
    }
}

TEST_F(ConfigurationFileTest, ALongerFileIsReadForItsFirst1024Bytes) {
    const std::filesystem::path path = SavedSample();
    std::vector<unsigned char> bytes = ReadAllBytes(path);
    bytes.resize(100'000, 0xEE);
    WriteAllBytes(path, bytes);
    const ConfigurationFileLoad load = LoadConfigurationFile(path);
    ASSERT_TRUE(load.file.has_value());
    EXPECT_TRUE(load.file->longerThanImage);
    EXPECT_TRUE(load.file->CheckWordMatches());
}

TEST_F(ConfigurationFileTest, WhatCannotBeReadIsExplained) {
    const ConfigurationFileLoad missing = LoadConfigurationFile(folder / "missing.gr8");
    EXPECT_FALSE(missing.file.has_value());
    EXPECT_NE(missing.error.find("missing.gr8': No such file or directory"), std::string::npos)
        << missing.error;
    const ConfigurationFileLoad directory = LoadConfigurationFile(folder.Path());
    EXPECT_FALSE(directory.file.has_value());
    EXPECT_NE(directory.error.find("is a folder"), std::string::npos) << directory.error;
}

TEST_F(ConfigurationFileTest, AMismatchNamesBothCheckWords) {
    ConfigFileContents file;
    file.storedCheckWord = 0x1234;
    file.computedCheckWord = 0xABCD;
    EXPECT_EQ(CheckWordMismatch("a.gr8", file),
              "'a.gr8': the check word does not match (stored 0x1234, computed 0xABCD); the "
              "file is damaged or is not a configuration file");
}

} // namespace
