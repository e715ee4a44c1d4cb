#pragma once

#include <cstdio>
#include <filesystem>

// fopen for a path in the platform's own encoding of file names.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Pushes what was written to the file out of the operating system's cache onto the disk, so a
// file that is renamed into place afterwards cannot turn out empty after a power cut.
bool SyncFileToDisk(std::FILE* file);
