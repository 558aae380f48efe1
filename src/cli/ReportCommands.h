#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string_view>

namespace tavolim::cli {

// The sheet kinds `ficha` takes.
bool isSheetKindName(std::string_view name);

// `lista NAME [ARG]`: the list window's rows, tab-separated, or CSV with --csv.
int printList(const CommandLine& line, std::ostream& out, std::ostream& err);
// `listagem NAME [ARG]`: the printed listing of the list, CR LF lines as printed.
int printListing(const CommandLine& line, std::ostream& out, std::ostream& err);
// `ficha KIND N`: the sheet of one record.
int printSheet(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
