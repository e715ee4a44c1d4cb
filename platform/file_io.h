#pragma once

#include <cstdio>
#include <filesystem>

// fopen for a path in the platform's own encoding of file names.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Pushes what was written to the file out of the operating system's cache onto the disk, so a
// file that is renamed into place afterwards cannot turn out empty after a power cut.
bool SyncFileToDisk(std::FILE* file);

// Puts `replacement` in the place of `target` in one step, replacing a file there, and makes the
// new name durable before returning. On failure `target` is as it was.
bool ReplaceFileWith(const std::filesystem::path& replacement, const std::filesystem::path& target);

// Whether this user may create files in `folder`.
bool MayCreateFilesIn(const std::filesystem::path& folder);
