#include "tools/grt8/configuration_file.h"

#include "config/file_scramble_table.h"
#include "platform/file_io.h"
#include "tools/grt8/escaping.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::uint8_t kByteAfterEndOfFile = 0xFF;

ConfigurationFileLoad Failed(const std::string& error) {
    return {std::nullopt, error};
}

void Unscramble(ConfigImage& image) {
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] ^= FileScrambleTable[i];
    }
}

std::uint16_t StoredCheckWord(const ConfigImage& image) {
    return static_cast<std::uint16_t>(image[kCheckWordOffset] << 8 | image[kCheckWordOffset + 1]);
}

} // namespace

std::string QuotedPath(const std::filesystem::path& path) {
    return "'" + WithoutControlCharacters(path.string()) + "'";
}

std::string CheckWordText(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(word));
    return text;
}

std::string CheckWordMismatch(const std::filesystem::path& path, const ConfigurationFile& file) {
    return QuotedPath(path) + ": the check word does not match (stored " +
           CheckWordText(file.storedCheckWord) + ", computed " +
           CheckWordText(file.computedCheckWord) +
           "); the file is damaged or is not a configuration file";
}

ConfigurationFileLoad LoadConfigurationFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Failed(QuotedPath(path) + " is a folder, not a configuration file");
    }
    FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        return Failed("cannot open " + QuotedPath(path) + ": " + std::strerror(errno));
    }
    ConfigurationFile loaded;
    loaded.image.fill(kByteAfterEndOfFile);
    loaded.bytesRead = std::fread(loaded.image.data(), 1, loaded.image.size(), file.get());
    loaded.longerThanImage =
        loaded.bytesRead == loaded.image.size() && std::fgetc(file.get()) != EOF;
    if (std::ferror(file.get()) != 0) {
        return Failed("cannot read " + QuotedPath(path) + ": " + std::strerror(errno));
    }
    Unscramble(loaded.image);
    loaded.storedCheckWord = StoredCheckWord(loaded.image);
    loaded.computedCheckWord = ComputeCheckWord(loaded.image);
    return {loaded, {}};
}
