#pragma once

#include "core/tools/BackupContents.h"
#include "core/tools/BackupNames.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class Progress;

struct BackupRequest {
    std::filesystem::path dataFolder;
    std::filesystem::path destination; // created when missing
    std::string storeName;             // names the archive
    BackupMoment moment;
    std::string version;
    int keep = 10; // the store's archives left in the destination after a backup
    std::vector<StoredSetting> settings;
    // A restore's copy of the data it is about to replace: named apart, never rotated.
    bool safetyCopy = false;
};

struct BackupOutcome {
    bool done = false;
    bool cancelled = false;
    std::filesystem::path archive;
    std::uint64_t archiveSize = 0;
    // Why it was not done, in the operator's words, ending in "O back-up não foi feito."
    std::string message;
    // Done, but worth telling: a record file's incomplete end left out, an old archive that
    // could not be removed.
    std::vector<std::string> warnings;
};

// Writes one zip archive of the store's files (StoreFiles.h) and the given settings into the
// destination, under a ".parcial" name; reads it back and checks every entry's size and
// CRC-32 against what was read from the data folder; only then gives it its name and removes
// the store's archives beyond `keep`. A failure or a cancel removes the partial archive and
// leaves the destination as it was. Files that change while they are read (the program at
// work beside the tool) are read again, up to three times. A record file's incomplete last
// record, which the program never reads, is left out with a warning, so that every record
// file in an archive is made of whole records. The data folder is only read; an unfinished
// journal there (Diario.jnl) refuses the backup: the caller settles it first.
// `cancelRequested`, when given, is asked after each block; else the progress port's Cancelar.
BackupOutcome makeBackup(const BackupRequest& request, Progress* progress = nullptr,
                         const std::function<bool()>& cancelRequested = {});

} // namespace tavolim::core
