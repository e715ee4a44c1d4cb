#include "platform/file_io.h"

#include <io.h>
#include <string>

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    const std::string narrow(mode);
    const std::wstring wideMode(narrow.begin(), narrow.end());
    return _wfopen(path.c_str(), wideMode.c_str());
}

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}
