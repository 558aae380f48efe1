#pragma once

#include "core/store/FolderLock.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

namespace tavolim::core {

class Dialogs;
class SettingsStore;

// The program's way into its data folder, before anything reads a record: a restore a crash
// stopped carried through, the folder taken for this process alone, an interrupted operation
// finished or undone, a new store made in an empty folder, read-only data found and said.
struct StoreStart {
    enum class State {
        Ready,    // a store, writable
        Created,  // a new, empty store was made; the operator is told once the program is up
        ReadOnly, // a store whose files cannot be written: open only to look (the operator knows)
        Refused,  // the operator was told why; the program cannot run on this folder
    };
    State state = State::Refused;
    // Held for as long as the program runs.
    std::unique_ptr<FolderLock> lock;
};

// Called when the folder holds a store's files without its tavolim.ini and backups of it
// exist: shows them and restores one; true when the folder now holds a restored store.
using RestoreOffer = std::function<bool()>;

StoreStart startStore(const std::filesystem::path& folder, std::chrono::year_month_day today,
                      Dialogs& dialogs, const SettingsStore& settings,
                      const RestoreOffer& offerRestore);

} // namespace tavolim::core
