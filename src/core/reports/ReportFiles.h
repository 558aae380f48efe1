#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavolim::core {

// Writes a text file anew (replacing an old one) and makes sure every byte reached the
// disk. Returns "" when done, else the cause in the operator's words ("sem permissão de
// gravação", "disco cheio"...).
std::string writeTextFile(const std::filesystem::path& path, std::string_view bytes);

// The message for a file that could not be written: names the file and the cause.
std::string fileWriteFailure(const std::filesystem::path& path, std::string_view cause);

} // namespace tavolim::core
