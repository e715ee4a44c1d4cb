#include "app/file_paths.h"

#include "platform/file_dialogs.h"

namespace {

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

} // namespace

std::string LogFormOfPath(const std::string& path) {
    return ToUpperCase(Utf8Of(ToFileSystemPath(path).make_preferred()));
}

std::string SaveTargetPath(const std::string& chosenPath) {
    const std::filesystem::path chosen = ToFileSystemPath(chosenPath);
    if (std::filesystem::exists(chosen)) {
        return chosenPath;
    }
    return Utf8Of(chosen.parent_path() / ToFileSystemPath(ToUpperCase(Utf8Of(chosen.filename()))));
}

std::filesystem::path ToFileSystemPath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}
