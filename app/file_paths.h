#pragma once

#include <QString>
#include <filesystem>

// A path as the log shows it: upper case, with the platform's separators.
QString LogFormOfPath(const QString& path);

// Where Save writes: over the chosen file when it exists (the user agreed to replace it),
// otherwise a new file in the chosen folder whose name is upper case, as on a file system
// that ignores case.
QString SaveTargetPath(const QString& chosenPath);

std::filesystem::path ToFileSystemPath(const QString& path);
