#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace tavolim::cli {

// `localizar KIND FIELD VALUE`: the rows the find window lists, tab-separated (name, code and,
// for clients, R or D); nothing found, a wrong range or a value no option or list entry
// names is told on `err` with exit code 1. Nothing is written.
int findCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
