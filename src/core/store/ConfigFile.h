#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavolim::core {

// "Config.ini" in the data folder: a headerless run of 32-byte records, a 16-byte key then a
// 16-byte value, both code-page text padded with spaces. Records are never removed; the
// first record whose trimmed key matches wins. A missing file reads as empty and is created
// by the first write. Keys are case-sensitive.
class ConfigFile {
public:
    static constexpr std::size_t kFieldWidth = 16;
    static constexpr std::size_t kRecordLength = 2 * kFieldWidth;

    explicit ConfigFile(std::filesystem::path dataFolder);

    const std::filesystem::path& path() const { return m_path; }

    // The trimmed value stored under `key` (cut to 16 code-page bytes); `defaultValue` when
    // there is no such record or its value is blank.
    std::string readConfig(std::string_view key, std::string_view defaultValue) const;

    // Stores the trimmed value, cut to 16 code-page bytes, over the first record with the key,
    // or in a new record at the end. False when the key is blank or the file could not be
    // written.
    bool writeConfig(std::string_view key, std::string_view value);

private:
    std::filesystem::path m_path;
};

} // namespace tavolim::core
