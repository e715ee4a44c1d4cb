// Loading a configuration file of any length and contents, checked against the writer: what the
// loader takes from a file, written back, gives the file's own bytes again, with 0xFF for bytes
// the file lacks; only a file whose check word matches replaces the image, any other leaves it
// as it was; a file the writer made loads, and no longer does once any one byte is changed.

#include "config/config_file.h"
#include "fuzz_require.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

constexpr std::uint8_t kByteAfterEndOfFile = 0xFF;
constexpr std::uint8_t kImageBeingWorkedOn = 0xA5;

// Saving syncs to the disk, so the files live in memory where the system offers that.
class ScratchFolder {
public:
    ScratchFolder() { Require(mkdtemp(m_path.data()) != nullptr); }
    ~ScratchFolder() { fs::remove_all(m_path, m_error); }
    fs::path operator/(const char* name) const { return fs::path(m_path) / name; }

private:
    std::string m_path = ((fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path()) /
                          "grt8_fuzz_config_XXXXXX")
                             .string();
    std::error_code m_error;
};

void Put(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The image after loading `path` over the one being worked on.
ConfigImage Load(const fs::path& path, ReadResult expected) {
    ConfigImage image;
    image.fill(kImageBeingWorkedOn);
    Require(ReadConfigFile(path, image) == expected);
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const fs::path given = folder / "given.gr8";
    const fs::path saved = folder / "saved.gr8";
    Put(given, Bytes(data, data + size));
    std::error_code error;
    const std::optional<ConfigFileContents> contents = LoadConfigFileUnchecked(given, error);
    Require(contents && contents->bytesRead == std::min(size, kConfigImageSize));
    Require(contents->longerThanImage == (size > kConfigImageSize));
    const bool matches = contents->CheckWordMatches();
    const ConfigImage untouched = Load(folder / "missing.gr8", ReadResult::NotOpened);
    Require(Load(given, matches ? ReadResult::Loaded : ReadResult::Rejected) ==
            (matches ? contents->image : untouched));

    ConfigImage image = contents->image;
    Require(WriteConfigFile(saved, image) && CheckWordMatches(image));
    std::ifstream file(saved, std::ios::binary);
    Bytes written(std::istreambuf_iterator<char>(file), {});
    Require(written.size() == kConfigImageSize);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const bool kept = i < kCheckWordOffset || matches;
        Require(!kept || written[i] == (i < size ? data[i] : kByteAfterEndOfFile));
    }
    Require(Load(saved, ReadResult::Loaded) == image);

    const std::size_t changed = std::accumulate(data, data + size, size) % written.size();
    written[changed] ^= static_cast<std::uint8_t>(1U << size % 8);
    Put(saved, written);
    Require(Load(saved, ReadResult::Rejected) == untouched);
    return 0;
}
