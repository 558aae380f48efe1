#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tavolim::cli {

// Runs tavolim-tool with its arguments (without the program name). Exit codes: 0 done,
// 1 the command could not be carried out (message on `err`), 2 wrong usage (problem and
// usage text on `err`).
int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
