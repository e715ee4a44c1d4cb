#pragma once

#include "config/config_image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// A configuration file as it lies on the disk, whether its check word matches or not.
struct ConfigurationFile {
    ConfigImage image{};
    // At most the 1024 bytes of an image; a shorter file's missing bytes count as 0xFF.
    std::size_t bytesRead = 0;
    bool longerThanImage = false;
    std::uint16_t storedCheckWord = 0;
    std::uint16_t computedCheckWord = 0;

    bool CheckWordMatches() const { return storedCheckWord == computedCheckWord; }
};

struct ConfigurationFileLoad {
    std::optional<ConfigurationFile> file;
    // Why the file could not be read.
    std::string error;
};

// Reads a file as the console reads it, but keeps the image when the check word does not
// match, so that a damaged file can still be examined. Only the first 1024 bytes are read,
// whatever the file's length.
ConfigurationFileLoad LoadConfigurationFile(const std::filesystem::path& path);

// The path between quotes, with anything a terminal would act on made visible.
std::string QuotedPath(const std::filesystem::path& path);

// "0x1A2B".
std::string CheckWordText(std::uint16_t word);

// Why a file whose check word does not match cannot be used.
std::string CheckWordMismatch(const std::filesystem::path& path, const ConfigurationFile& file);
