#pragma once

#include <string>

namespace tavolim::cli {

// The help text, shown by --ajuda and after every usage error.
std::string usageText();

} // namespace tavolim::cli
