#include "config/config_file.h"

#include "config/file_scramble_table.h"
#include "platform/file_io.h"

#include <memory>
#include <system_error>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::uint8_t kByteAfterEndOfFile = 0xFF;

void Scramble(ConfigImage& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] ^= FileScrambleTable[i];
    }
}

// A file shorter than an image is not refused for its length: its missing bytes count as 0xFF
// and the check word decides.
bool ReadImageBytes(std::FILE* file, ConfigImage& bytes) {
    bytes.fill(kByteAfterEndOfFile);
    std::fread(bytes.data(), 1, bytes.size(), file);
    return std::ferror(file) == 0;
}

bool WriteWholeFile(const std::filesystem::path& path, const ConfigImage& bytes) {
    FileHandle file(OpenFile(path, "wb"));
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool synced = written && SyncFileToDisk(file.get());
    return std::fclose(file.release()) == 0 && synced;
}

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    return temporary;
}

} // namespace

ReadResult ReadConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return ReadResult::NotOpened;
    }
    FileHandle file(OpenFile(path, "rb"));
    ConfigImage staging;
    if (!file || !ReadImageBytes(file.get(), staging)) {
        return ReadResult::NotOpened;
    }
    Scramble(staging);
    if (!CheckWordMatches(staging)) {
        return ReadResult::Rejected;
    }
    image = staging;
    return ReadResult::Loaded;
}

bool WriteConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    StoreCheckWord(image);
    ConfigImage scrambled = image;
    Scramble(scrambled);
    const std::filesystem::path temporary = TemporaryPathBeside(path);
    std::error_code error;
    if (!WriteWholeFile(temporary, scrambled)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
