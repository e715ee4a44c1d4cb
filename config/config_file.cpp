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

enum class WriteOutcome { NotCreated, Failed, Written };

WriteOutcome WriteWholeFile(const std::filesystem::path& path, const ConfigImage& bytes) {
    FileHandle file(OpenFile(path, "wb"));
    if (!file) {
        return WriteOutcome::NotCreated;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool synced = written && SyncFileToDisk(file.get());
    const bool closed = std::fclose(file.release()) == 0;
    return synced && closed ? WriteOutcome::Written : WriteOutcome::Failed;
}

// A hidden name of its own beside the target, so no file a user keeps there is in the way.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& path) {
    std::filesystem::path name = ".";
    name += path.filename();
    name += ".saving";
    return path.parent_path() / name;
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
    switch (WriteWholeFile(temporary, scrambled)) {
    case WriteOutcome::NotCreated:
        return false;
    case WriteOutcome::Failed:
        std::filesystem::remove(temporary, error);
        return false;
    case WriteOutcome::Written:
        break;
    }
    if (!ReplaceFileWith(temporary, path)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
