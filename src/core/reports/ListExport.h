#pragma once

#include "core/reports/RecordLists.h"

#include <filesystem>
#include <span>
#include <string>

namespace tavolim::core {

// A list as CSV the way Brazilian spreadsheet programs read it: ";" between cells (the comma
// is the decimal mark), a header line, CR LF after every line, a cell with ";", a quote or
// a line break quoted with its quotes doubled. UTF-8.
std::string listCsv(ReportKind kind, std::span<const ListRow> rows);

// Writes listCsv with a UTF-8 byte-order mark, which spreadsheet programs need to read the
// accents. "" when done, else the cause.
std::string writeListCsv(const std::filesystem::path& path, ReportKind kind,
                         std::span<const ListRow> rows);

// The rows as tab-separated lines ending in "\n" (name, code and, for people, R or D).
std::string listTabbed(ReportKind kind, std::span<const ListRow> rows);

} // namespace tavolim::core
