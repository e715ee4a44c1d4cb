#include "tools/grt8/configuration_file.h"

#include "tools/grt8/escaping.h"

#include <cstdio>

std::string QuotedPath(const std::filesystem::path& path) {
    return "'" + WithoutControlCharacters(path.string()) + "'";
}

std::string CheckWordText(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(word));
    return text;
}

std::string CheckWordMismatch(const std::filesystem::path& path, const ConfigFileContents& file) {
    return QuotedPath(path) + ": the check word does not match (stored " +
           CheckWordText(file.storedCheckWord) + ", computed " +
           CheckWordText(file.computedCheckWord) +
           "); the file is damaged or is not a configuration file";
}

ConfigurationFileLoad LoadConfigurationFile(const std::filesystem::path& path) {
    std::error_code error;
    std::optional<ConfigFileContents> file = LoadConfigFileUnchecked(path, error);
    if (file) {
        return {std::move(file), {}};
    }
    if (error == std::errc::is_a_directory) {
        return {std::nullopt, QuotedPath(path) + " is a folder, not a configuration file"};
    }
    return {std::nullopt, "cannot open " + QuotedPath(path) + ": " + error.message()};
}
