#pragma once

#include <filesystem>

namespace tavolim::test {

// A fresh empty data folder under the system temp folder, removed with the object.
class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace tavolim::test
