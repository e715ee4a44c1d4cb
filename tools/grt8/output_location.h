#pragma once

#include <filesystem>
#include <string>

// Why a configuration file could not be created at `path`; empty when nothing stands in the
// way. Checked before a read from the module, so that a slow read is not wasted on a file that
// cannot be written.
std::string OutputLocationProblem(const std::filesystem::path& path);
