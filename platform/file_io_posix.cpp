#include "platform/file_io.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

// The rename is durable once the folder that holds the name is on the disk; a folder that cannot
// be synced leaves the rename done, as a system without that guarantee would.
bool ReplaceFileWith(const std::filesystem::path& replacement,
                     const std::filesystem::path& target) {
    if (std::rename(replacement.c_str(), target.c_str()) != 0) {
        return false;
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

bool MayCreateFilesIn(const std::filesystem::path& folder) {
    return access(folder.c_str(), W_OK) == 0;
}
