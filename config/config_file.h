#pragma once

#include "config/config_image.h"

#include <filesystem>

enum class ReadResult {
    NotOpened, // the file could not be opened or read; the image is untouched
    Loaded,    // the check word matches; the image now holds the file
    Rejected,  // the check word does not match; the image is untouched
};

// Only a file whose check word matches replaces the image, so a damaged or foreign file never
// costs the configuration that was being worked on.
ReadResult ReadConfigFile(const std::filesystem::path& path, ConfigImage& image);

// Recomputes the check word in the image, then replaces the file in one step: the scrambled
// image goes to a temporary file beside it, which is renamed over the target only once every
// byte is on the disk. False when anything failed; an existing file is then left as it was.
bool WriteConfigFile(const std::filesystem::path& path, ConfigImage& image);
