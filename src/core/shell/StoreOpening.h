#pragma once

#include "core/store/FolderLock.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tavolim::core {

// What the data folder holds before the program opens it.
enum class FolderContents {
    Empty,        // nothing of a store: a new installation may be made
    Store,        // tavolim.ini and the rest
    StoreNoRules, // data files of a store but no tavolim.ini: never installed over
};
FolderContents inspectFolder(const std::filesystem::path& folder);

// The message for a folder that lost its tavolim.ini: what is missing and what to do.
std::string missingRulesMessage(const std::filesystem::path& folder);

// The checks made when the program (or a writing command of the tool) opens a store, before it
// reads a record: the folder (made if missing) taken for this process alone, a restore and an
// operation a crash interrupted finished or undone, and data files that cannot be written
// found. A folder that holds no store yet and cannot be written is refused.
struct StoreOpening {
    enum class Verdict {
        Open,         // go on
        OpenReadOnly, // go on, only to look: nothing may be written
        Refuse,       // stop: `notices` says why
    };
    Verdict verdict = Verdict::Refuse;
    FolderContents contents = FolderContents::Empty;
    // To tell the operator at start, in order.
    std::vector<std::string> notices;
    // Held for as long as the program runs.
    std::unique_ptr<FolderLock> lock;
};
StoreOpening openStore(const std::filesystem::path& folder);

// The data files of the folder that cannot be written (read-only files, or a read-only disk).
std::vector<std::string> unwritableFiles(const std::filesystem::path& folder);

} // namespace tavolim::core
