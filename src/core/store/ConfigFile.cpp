#include "core/store/ConfigFile.h"

#include "core/store/BinaryFile.h"
#include "core/store/Cp1252.h"
#include "core/store/TextHelpers.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

bool isPad(char c)
{
    return c == ' ' || c == '\t' || c == '\0';
}

std::string_view trimBytes(std::string_view bytes)
{
    while (!bytes.empty() && isPad(bytes.front())) {
        bytes.remove_prefix(1);
    }
    while (!bytes.empty() && isPad(bytes.back())) {
        bytes.remove_suffix(1);
    }
    return bytes;
}

// The key as the file holds it: code-page bytes, cut to the field, trimmed. Cutting the
// code-page form keeps an accented key from being split inside a UTF-8 sequence.
std::string storedKey(std::string_view key)
{
    std::string bytes = toCp1252(trim(key));
    if (bytes.size() > ConfigFile::kFieldWidth) {
        bytes.resize(ConfigFile::kFieldWidth);
    }
    return std::string(trimBytes(bytes));
}

struct Found {
    std::uint64_t record = 0; // 0-based
    std::string valueBytes;
};

std::optional<Found> findKey(const std::vector<std::uint8_t>& file, std::string_view key)
{
    const std::string_view all(reinterpret_cast<const char*>(file.data()), file.size());
    const std::uint64_t count = all.size() / ConfigFile::kRecordLength;
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto record = all.substr(i * ConfigFile::kRecordLength, ConfigFile::kRecordLength);
        if (trimBytes(record.substr(0, ConfigFile::kFieldWidth)) == key) {
            return Found{i, std::string(record.substr(ConfigFile::kFieldWidth))};
        }
    }
    return std::nullopt;
}

} // namespace

ConfigFile::ConfigFile(std::filesystem::path dataFolder)
    : m_path(std::move(dataFolder) / "Config.ini")
{
}

std::string ConfigFile::readConfig(std::string_view key, std::string_view defaultValue) const
{
    const std::string wanted = storedKey(key);
    if (wanted.empty()) {
        return std::string(defaultValue);
    }
    // The file is a few hundred bytes: one read serves the whole search.
    const auto found = findKey(binaryfile::readAll(m_path), wanted);
    if (!found) {
        return std::string(defaultValue);
    }
    std::string value = trim(decodeField(found->valueBytes));
    return value.empty() ? std::string(defaultValue) : value;
}

bool ConfigFile::writeConfig(std::string_view key, std::string_view value)
{
    const std::string wanted = storedKey(key);
    if (wanted.empty()) {
        return false;
    }
    const std::string valueBytes = encodeField(trim(value), kFieldWidth);
    const auto file = binaryfile::readAll(m_path);
    if (const auto found = findKey(file, wanted)) {
        // Only the value changes; the key bytes stay as they were found.
        const std::vector<std::uint8_t> bytes(valueBytes.begin(), valueBytes.end());
        return binaryfile::writeAt(m_path, found->record * kRecordLength + kFieldWidth, bytes);
    }
    // A torn last record (a crash, a copy cut short) is overwritten by the new one.
    const std::uint64_t offset = file.size() / kRecordLength * kRecordLength;
    std::string record = wanted;
    record.resize(kFieldWidth, ' ');
    record += valueBytes;
    const std::vector<std::uint8_t> bytes(record.begin(), record.end());
    return binaryfile::writeAt(m_path, offset, bytes);
}

} // namespace tavolim::core
