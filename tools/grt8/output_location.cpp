#include "tools/grt8/output_location.h"

#include "platform/file_io.h"
#include "tools/grt8/configuration_file.h"

std::string OutputLocationProblem(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return QuotedPath(path) + " is a folder: give the name of the file to write in it";
    }
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::exists(folder, error)) {
        return "the folder " + QuotedPath(folder) + " does not exist";
    }
    if (!std::filesystem::is_directory(folder, error)) {
        return QuotedPath(folder) + " is not a folder";
    }
    if (!MayCreateFilesIn(folder)) {
        return "no permission to create files in " + QuotedPath(folder);
    }
    return "";
}
