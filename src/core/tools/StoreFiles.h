#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

// The files of a data folder that make up the store, as a backup holds them: every "*.tvl"
// (record files, deleted lists, memo and synopsis stores, books), "tavolim.ini", "Config.ini"
// and "Err.log". Left out: the lock file, the journal, temporaries, reports and subfolders.
bool isStoreFileName(std::string_view name);
// The store files present in the folder, sorted by name.
std::vector<std::string> storeFileNames(const std::filesystem::path& folder);

// The length of a record of a store file made of fixed-length records (registers,
// histories, books, daily totals, Config.ini, the memo index); nullopt for the others.
std::optional<std::size_t> recordLengthOf(std::string_view name);

inline constexpr const char* kErrorLogFile = "Err.log";
inline constexpr const char* kRulesFile = "tavolim.ini";

} // namespace tavolim::core
