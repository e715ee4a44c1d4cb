#pragma once

#include <filesystem>

// Makes a folder the working folder for as long as it lives: the console keeps its start-up file
// and its raw dump there.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& path)
        : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(m_previous); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path m_previous;
};
