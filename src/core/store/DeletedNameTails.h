#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavolim::core {

// A name that fills its whole field loses its last byte when deletion puts "#" in front.
// That byte is kept here ("NomesExc.tvl", 4-byte entries: kind, record number as a 16-bit
// integer, the byte) so that undeletion gives the name back whole. The record files keep
// their layout; a store whose records were deleted elsewhere simply has no entry.
class DeletedNameTails {
public:
    explicit DeletedNameTails(std::filesystem::path dataFolder);

    void keep(FileKind kind, std::int32_t number, char tail);
    // The kept byte, removed from the file; nullopt when none was kept.
    std::optional<char> take(FileKind kind, std::int32_t number);

private:
    std::filesystem::path m_file;
};

} // namespace tavolim::core
