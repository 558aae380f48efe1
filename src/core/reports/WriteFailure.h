#pragma once

#include <filesystem>
#include <string>

namespace tavolim::core {

// "Não foi possível gravar o arquivo <name>: <cause>." for the operator, the cause read from
// the system's error number left by the failed write (errno).
std::string writeFailureText(const std::filesystem::path& file, int error);

} // namespace tavolim::core
