#pragma once

#include "core/tools/BackupContents.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {

class Progress;
class SettingsStore;

// A backup archive as the restore window lists it.
struct ArchiveSummary {
    std::filesystem::path file;
    BackupHeader header;
    std::uint64_t size = 0; // of the archive file
};
// Reads only the archive's first entry; nullopt when it is not a backup of this program.
std::optional<ArchiveSummary> readArchiveSummary(const std::filesystem::path& file);
// The backups in the folder, newest first.
std::vector<ArchiveSummary> listArchives(const std::filesystem::path& folder);

struct RestoreRequest {
    std::filesystem::path dataFolder;
    std::filesystem::path archive;
    // Where the copy of the data being replaced goes (made only when the folder holds a
    // store), named after `storeName` and `moment`, with `currentSettings`.
    std::filesystem::path safetyFolder;
    std::string storeName;
    BackupMoment moment;
    std::string version;
    std::vector<StoredSetting> currentSettings;
    // Receives the archive's settings once the files are in place; none when null.
    SettingsStore* settings = nullptr;
};

struct RestoreOutcome {
    bool done = false;
    // Why not, in the operator's words.
    std::string message;
    std::filesystem::path safetyCopy;
};

// Puts a backup's files in place of the data folder's:
// 1. every entry is unpacked into a staging folder ("Recuperacao.tmp" in the data folder)
//    and checked: each file the archive's contents list names is there with its size and
//    CRC-32, no other file is, the general rules record is there and every record file is
//    made of whole records. Anything wrong removes the staging folder and refuses the
//    archive; the data folder has not changed;
// 2. the current data is kept as a safety copy (an archive in `safetyFolder`);
// 3. a marker listing the old files the backup lacks is written into the staging folder:
//    from here on the restore is carried through, if need be by finishInterruptedRestore;
// 4. each staged file is renamed over the data folder's, the listed old ones are removed,
//    then the marker and the staging folder.
// So a restore stopped at any point leaves the old data whole (before step 3) or, once
// finished at the next start, the new. An unfinished journal in the folder is settled first.
// The caller holds the folder (FolderLock) and has written what it keeps in memory.
RestoreOutcome restoreBackup(const RestoreRequest& request, Progress* progress = nullptr);

enum class RestoreRecovery {
    None,      // no restore was under way
    Discarded, // stopped before its files were all staged: the old data stays
    Completed, // stopped while swapping: carried through to the backup's data
    Failed,    // could not be carried through (binaryfile::lastFailure() says why)
};
// Run at start, before the store is read.
RestoreRecovery finishInterruptedRestore(const std::filesystem::path& dataFolder);

inline constexpr const char* kRestoreFolder = "Recuperacao.tmp";

} // namespace tavolim::core
