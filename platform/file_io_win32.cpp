#include "platform/file_io.h"

#include <io.h>
#include <string>
#include <windows.h>

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    const std::string narrow(mode);
    const std::wstring wideMode(narrow.begin(), narrow.end());
    return _wfopen(path.c_str(), wideMode.c_str());
}

bool SyncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

// A rename within one NTFS volume replaces the target atomically; write-through returns only
// once the rename is on the disk. No copy is allowed: a copy could leave half a file behind.
bool ReplaceFileWith(const std::filesystem::path& replacement,
                     const std::filesystem::path& target) {
    return MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Windows keeps access rights in ACLs that _waccess does not read; it sees a read-only folder,
// and anything else shows when the file is created.
bool MayCreateFilesIn(const std::filesystem::path& folder) {
    return _waccess(folder.c_str(), 2) == 0;
}
