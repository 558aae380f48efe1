#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace tavolim::core {

// A folder without the general rules record (tavolim.ini) is not yet a store.
bool needsNewInstallation(const std::filesystem::path& folder);

// Makes a working store in the folder (created when missing): every record file, the
// deleted lists, the memo and synopsis stores, the general rules record with the single
// operator "Tavolim" (level 1, no password), the access rows, the sections, one media and one
// label with a full price and term table, and the store data. Files that already exist are
// left as they are, so a half-installed folder is completed, never overwritten.
bool createNewInstallation(const std::filesystem::path& folder, std::chrono::year_month_day today);

// What the operator is told after the first start made a new store in `folder`: that it is
// new and empty, where its data is, and the first steps.
std::string newStoreMessage(const std::filesystem::path& folder);

} // namespace tavolim::core
