// Loading a configuration file of any length and contents, checked against the writer: what the
// loader takes from a file, written back, gives the file's own bytes again, with 0xFF for bytes
// the file lacks, and loads; only a file whose check word matches replaces the image, any other
// leaves it as it was, as does a file that does not open.

#include "config/config_file.h"
#include "fuzz_require.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

constexpr std::uint8_t kByteAfterEndOfFile = 0xFF;
constexpr std::uint8_t kImageBeingWorkedOn = 0xA5;

// The image after loading `path` over the one being worked on.
ConfigImage Load(const fs::path& path, ReadResult expected) {
    ConfigImage image;
    image.fill(kImageBeingWorkedOn);
    Require(ReadConfigFile(path, image) == expected);
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Saving syncs to the disk, so the files live in memory where the system offers that.
    const fs::path folder =
        (fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path()) /
        ("grt8_fuzz_config_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path given = folder / "given.gr8";
    const fs::path saved = folder / "saved.gr8";
    std::ofstream(given, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
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
    fs::remove_all(folder);
    return 0;
}
