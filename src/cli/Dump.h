#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace tavolim::cli {

// The record kinds the tool dumps, by their Portuguese plural ("clientes", "selos", ...).
std::optional<core::FileKind> recordKindFromName(std::string_view name);

// Each writes JSON lines to `out`, or a message to `err`, and returns the exit code: 0, or 1
// when the folder holds no store or the number names nothing.
int dumpRecords(const std::filesystem::path& folder, core::FileKind kind,
                std::optional<std::int64_t> number, std::ostream& out, std::ostream& err);
int dumpMemo(const std::filesystem::path& folder, std::int64_t number, std::ostream& out,
             std::ostream& err);
// `tape` is the code of the tape whose synopsis is wanted.
int dumpSynopsis(const std::filesystem::path& folder, std::int64_t tape, std::ostream& out,
                 std::ostream& err);

} // namespace tavolim::cli
