#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

// Backup archives are named after the store and the moment they were made, so a pen drive
// shared by two stores keeps them apart and the names sort by age:
//     "Tavolim - Video Mania - 2026-12-05 14h30.zip"
//     "Tavolim - Video Mania - 2026-12-05 14h30 (2).zip"   (a second one in that minute)
//     "Tavolim - Video Mania - 2026-12-05 14h30 - antes de recuperar.zip"
// The last is the safety copy a restore makes of the data it replaces; the rotation leaves
// those alone. Characters a pen drive's file system refuses become "_".
struct BackupMoment {
    std::chrono::year_month_day day;
    std::chrono::minutes time{0};
};

std::string backupArchiveName(std::string_view storeName, BackupMoment moment, int copy = 1,
                              bool safetyCopy = false);

// A name that is not yet taken in `folder`: the first free copy number.
std::filesystem::path freeArchivePath(const std::filesystem::path& folder,
                                      std::string_view storeName, BackupMoment moment,
                                      bool safetyCopy);

// The store's rotated archives in the folder (safety copies and other stores' left out),
// oldest first.
std::vector<std::filesystem::path> rotatedArchives(const std::filesystem::path& folder,
                                                   std::string_view storeName);

// The archives to remove so that `keep` (at least 1) of the store's are left.
std::vector<std::filesystem::path> archivesBeyond(const std::filesystem::path& folder,
                                                  std::string_view storeName, int keep);

} // namespace tavolim::core
