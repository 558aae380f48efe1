#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace tavolim::cli {

// The day-indexed books, their position files, the daily totals and the histories, by the
// names the tool gives them ("livro-fitas", "pos-livro-caixa", "hist-fita", ...).
bool isBookKindName(std::string_view name);
// The histories are dumped one person's record at a time: they need a number.
bool bookKindNeedsNumber(std::string_view name);

// Writes the records as JSON lines, each as stored (headers included), or only record N;
// returns 0, or 1 when the folder holds no store or the number names nothing.
int dumpBook(const std::filesystem::path& folder, std::string_view name,
             std::optional<std::int64_t> number, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
