#include "config/config_file.h"

#include "config/file_scramble_table.h"
#include "platform/file_io.h"

#include <cerrno>
#include <memory>

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

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// A file shorter than an image is not refused for its length: its missing bytes count as 0xFF
// and the check word decides.
bool ReadImageBytes(std::FILE* file, ConfigFileContents& contents) {
    contents.image.fill(kByteAfterEndOfFile);
    contents.bytesRead = std::fread(contents.image.data(), 1, contents.image.size(), file);
    contents.longerThanImage =
        contents.bytesRead == contents.image.size() && std::fgetc(file) != EOF;
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

std::optional<ConfigFileContents> LoadConfigFileUnchecked(const std::filesystem::path& path,
                                                          std::error_code& error) {
    // Some systems open a folder for reading and fail only at the first read.
    if (std::filesystem::is_directory(path, error)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    FileHandle file(OpenFile(path, "rb"));
    if (!file) {
        error = LastError();
        return std::nullopt;
    }
    ConfigFileContents contents;
    if (!ReadImageBytes(file.get(), contents)) {
        error = LastError();
        return std::nullopt;
    }
    Scramble(contents.image);
    contents.storedCheckWord = StoredCheckWord(contents.image);
    contents.computedCheckWord = ComputeCheckWord(contents.image);
    error.clear();
    return contents;
}

ReadResult ReadConfigFile(const std::filesystem::path& path, ConfigImage& image) {
    std::error_code error;
    const std::optional<ConfigFileContents> contents = LoadConfigFileUnchecked(path, error);
    if (!contents) {
        return ReadResult::NotOpened;
    }
    if (!contents->CheckWordMatches()) {
        return ReadResult::Rejected;
    }
    image = contents->image;
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
