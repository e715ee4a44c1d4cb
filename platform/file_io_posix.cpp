#include "platform/file_io.h"

#include <cstdio>
#include <unistd.h>

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool ReplaceFileWith(const std::filesystem::path& replacement,
                     const std::filesystem::path& target) {
    return std::rename(replacement.c_str(), target.c_str()) == 0;
}

bool MayCreateFilesIn(const std::filesystem::path& folder) {
    return access(folder.c_str(), W_OK) == 0;
}
