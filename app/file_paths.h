#pragma once

#include <filesystem>
#include <string>

// A path as the log shows it: upper case, with the platform's separators.
std::string LogFormOfPath(const std::string& path);

// Where Save writes: over the chosen file when it exists (the user agreed to replace it),
// otherwise a new file in the chosen folder whose name is upper case, as on a file system
// that ignores case.
std::string SaveTargetPath(const std::string& chosenPath);

std::filesystem::path ToFileSystemPath(const std::string& path);
