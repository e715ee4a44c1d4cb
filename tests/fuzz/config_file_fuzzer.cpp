// Loading a configuration file of any length and any contents: the image is replaced only by a
// file whose check word matches, and then by exactly its first 1024 bytes unscrambled; any
// other file leaves the image as it was, byte for byte.

#include "config/config_file.h"
#include "config/file_scramble_table.h"
#include "fuzz_require.h"

#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kByteAfterEndOfFile = 0xFF;

// The file lives in memory, so a run is not slowed down by the disk.
class ScratchFile {
public:
    ScratchFile() : m_fd(memfd_create("grt8_fuzz_config", MFD_CLOEXEC)) {
        Require(m_fd >= 0);
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~ScratchFile() { close(m_fd); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    void Hold(const Bytes& bytes) {
        Require(ftruncate(m_fd, 0) == 0);
        const ssize_t written = pwrite(m_fd, bytes.data(), bytes.size(), 0);
        Require(written == static_cast<ssize_t>(bytes.size()));
    }

private:
    int m_fd;
    std::filesystem::path m_path;
};

// An image that no file of the corpus holds, so any change to it shows.
ConfigImage ImageBeingWorkedOn() {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    }
    return image;
}

// The image a file stands for: missing bytes count as 0xFF, bytes after the 1024th are ignored.
ConfigImage Unscrambled(const Bytes& file) {
    ConfigImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        const std::uint8_t byte = i < file.size() ? file[i] : kByteAfterEndOfFile;
        image[i] = byte ^ FileScrambleTable[i];
    }
    return image;
}

// The same file with its check word put right, so the loading of arbitrary contents is
// exercised and not only their refusal. Bytes after the 1024th are kept.
Bytes WithMatchingCheckWord(const Bytes& file) {
    ConfigImage image = Unscrambled(file);
    StoreCheckWord(image);
    Bytes fixed(file.size() > image.size() ? file : Bytes(image.size()));
    for (std::size_t i = 0; i < image.size(); ++i) {
        fixed[i] = image[i] ^ FileScrambleTable[i];
    }
    return fixed;
}

ReadResult CheckLoad(ScratchFile& scratch, const Bytes& file) {
    scratch.Hold(file);
    ConfigImage image = ImageBeingWorkedOn();
    const ReadResult result = ReadConfigFile(scratch.path(), image);
    const ConfigImage inFile = Unscrambled(file);
    if (CheckWordMatches(inFile)) {
        Require(result == ReadResult::Loaded);
        Require(image == inFile);
    } else {
        Require(result == ReadResult::Rejected);
        Require(image == ImageBeingWorkedOn());
    }
    return result;
}

void CheckMissingFileIsNotOpened() {
    ConfigImage image = ImageBeingWorkedOn();
    Require(ReadConfigFile("/proc/self/fd/-1", image) == ReadResult::NotOpened);
    Require(image == ImageBeingWorkedOn());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchFile scratch;
    const Bytes file(data, data + size);
    CheckLoad(scratch, file);
    Require(CheckLoad(scratch, WithMatchingCheckWord(file)) == ReadResult::Loaded);
    if (file.empty()) {
        CheckMissingFileIsNotOpened();
    }
    return 0;
}
