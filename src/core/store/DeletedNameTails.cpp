#include "core/store/DeletedNameTails.h"

#include "core/store/BinaryFile.h"

namespace tavolim::core {
namespace {

constexpr std::size_t kEntry = 4;

bool matches(const std::uint8_t* e, FileKind kind, std::int32_t number)
{
    const auto n = static_cast<std::int16_t>(e[1] | (e[2] << 8));
    return e[0] == static_cast<std::uint8_t>(kind) && n == number;
}

} // namespace

DeletedNameTails::DeletedNameTails(std::filesystem::path dataFolder)
    : m_file(std::move(dataFolder) / "NomesExc.tvl")
{
}

void DeletedNameTails::keep(FileKind kind, std::int32_t number, char tail)
{
    auto bytes = binaryfile::readAll(m_file);
    std::size_t at = bytes.size() / kEntry * kEntry;
    for (std::size_t i = 0; i + kEntry <= bytes.size(); i += kEntry) {
        if (matches(&bytes[i], kind, number)) {
            at = i;
            break;
        }
    }
    const std::uint8_t entry[kEntry] = {
        static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(number),
        static_cast<std::uint8_t>(number >> 8), static_cast<std::uint8_t>(tail)};
    binaryfile::writeAt(m_file, at, entry);
}

std::optional<char> DeletedNameTails::take(FileKind kind, std::int32_t number)
{
    auto bytes = binaryfile::readAll(m_file);
    bytes.resize(bytes.size() / kEntry * kEntry);
    for (std::size_t i = 0; i < bytes.size(); i += kEntry) {
        if (matches(&bytes[i], kind, number)) {
            const char tail = static_cast<char>(bytes[i + 3]);
            bytes.erase(bytes.begin() + static_cast<long>(i),
                        bytes.begin() + static_cast<long>(i + kEntry));
            binaryfile::writeAllAtomic(m_file, bytes);
            return tail;
        }
    }
    return std::nullopt;
}

} // namespace tavolim::core
