#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolim::core {

// The record file kinds; the numbers are the ones the generic record operations take.
enum class FileKind : std::int16_t {
    Clients = 1,
    Dependents = 2,
    Tapes = 3,
    Distributors = 4,
    Labels = 5,
    Media = 6,
    Actors = 7,
    GeneralRules = 8,
    Store = 9,
    Products = 10,
    TapeHistory = 11,
    ProductHistory = 12,
};

struct FileKindInfo {
    FileKind kind;
    std::string_view fileName; // in the data folder
    std::size_t recordLength;
    std::string_view deletedList; // "" when the kind keeps none
    std::size_t nameOffset;       // name field that carries the "#" deleted mark; width 0: none
    std::size_t nameWidth;
};

// nullopt for a number that is no kind.
std::optional<FileKind> fileKindFromInt(int kind);
const FileKindInfo& fileKindInfo(FileKind kind);

// Kinds whose records can be deleted by mark (clients, dependents, tapes, distributors,
// products).
bool isMarkDeletable(FileKind kind);

} // namespace tavolim::core
