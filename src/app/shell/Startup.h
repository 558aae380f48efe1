#pragma once

#include <QStringList>

#include <chrono>
#include <filesystem>
#include <optional>

namespace tavolim::core {
class Dialogs;
}

namespace tavolim::app {

// The folder given with "--dados DIR" or "--dados=DIR" (the last one wins); nullopt when
// absent or without a value. args[0] is the program and is skipped.
std::optional<std::filesystem::path> dataFolderArgument(const QStringList& args);

// Where this run keeps its data: the folder given on the command line, the program's own
// folder when it already holds a store, else the per-user application data folder.
// Always absolute.
std::filesystem::path resolveDataFolder(const QStringList& args);

enum class DataFolderState {
    Ready,   // it already held a store
    Created, // a new, empty store was made in it; the operator is told once the program is up
    Failed,  // the operator was told why; the program cannot run without its files
};

// Makes a new installation in a folder that does not yet hold a store.
DataFolderState prepareDataFolder(const std::filesystem::path& folder,
                                  std::chrono::year_month_day today, core::Dialogs& dialogs);

} // namespace tavolim::app
