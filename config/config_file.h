#pragma once

#include "config/config_image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

enum class ReadResult {
    NotOpened, // the file could not be opened or read; the image is untouched
    Loaded,    // the check word matches; the image now holds the file
    Rejected,  // the check word does not match; the image is untouched
};

// A configuration file as it lies on the disk, whether its check word matches or not.
struct ConfigFileContents {
    ConfigImage image{};
    // At most the 1024 bytes of an image; a shorter file's missing bytes count as 0xFF.
    std::size_t bytesRead = 0;
    bool longerThanImage = false;
    std::uint16_t storedCheckWord = 0;
    std::uint16_t computedCheckWord = 0;

    bool CheckWordMatches() const { return storedCheckWord == computedCheckWord; }
};

// Reads the first 1024 bytes of a file, whatever its length, and keeps them even when the check
// word does not match, so that a damaged file can still be examined. Nothing when the file
// cannot be opened or read, and `error` then says why.
std::optional<ConfigFileContents> LoadConfigFileUnchecked(const std::filesystem::path& path,
                                                          std::error_code& error);

// Only a file whose check word matches replaces the image, so a damaged or foreign file never
// costs the configuration that was being worked on.
ReadResult ReadConfigFile(const std::filesystem::path& path, ConfigImage& image);

// Recomputes the check word in the image, then replaces the file in one step: the scrambled
// image goes to a temporary file beside it, which is renamed over the target only once every
// byte is on the disk. False when anything failed; an existing file is then left as it was.
bool WriteConfigFile(const std::filesystem::path& path, ConfigImage& image);
