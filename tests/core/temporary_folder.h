#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A fresh folder for one test, removed with everything in it when the test ends.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::vector<unsigned char> ReadAllBytes(const std::filesystem::path& path);
void WriteAllBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
