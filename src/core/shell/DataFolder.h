#pragma once

#include <filesystem>
#include <optional>

namespace tavolim::core {

// Where the store's data lives, in order: the folder given on the command line ("--dados");
// the program's own folder when it already holds a store (tavolim.ini); else the per-user
// application data folder.
std::filesystem::path chooseDataFolder(const std::optional<std::filesystem::path>& given,
                                       const std::filesystem::path& programFolder,
                                       const std::filesystem::path& perUserFolder);

} // namespace tavolim::core
