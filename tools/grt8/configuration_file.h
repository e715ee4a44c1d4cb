#pragma once

#include "config/config_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct ConfigurationFileLoad {
    std::optional<ConfigFileContents> file;
    // Why the file could not be read.
    std::string error;
};

// The file's contents, whether its check word matches or not.
ConfigurationFileLoad LoadConfigurationFile(const std::filesystem::path& path);

// The path between quotes, with anything a terminal would act on made visible.
std::string QuotedPath(const std::filesystem::path& path);

// "0x1A2B".
std::string CheckWordText(std::uint16_t word);

// Why a file whose check word does not match cannot be used.
std::string CheckWordMismatch(const std::filesystem::path& path, const ConfigFileContents& file);
