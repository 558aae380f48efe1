#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace tavolim::cli {

// `situacao`: the situation of one person as the counter window computes it, one line per
// tape at home then the five total lines, fields separated by tabs. In re-rent mode the
// renewals are written, as the window writes them.
int printSituation(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
