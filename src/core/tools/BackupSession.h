#pragma once

#include "core/tools/BackupMaker.h"
#include "core/tools/BackupRestore.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class Backup;
class SettingsStore;

// What the running program puts into its backups and takes from them.

// "Backups" beside the store's files: what the backup window offers until a folder is chosen.
std::filesystem::path defaultBackupFolder(const std::filesystem::path& dataFolder);
// The folder of the last backup made ("PastaBackUp" in the settings store), else the default.
std::filesystem::path rememberedBackupFolder(const AppState& state);
std::filesystem::path rememberedBackupFolder(const SettingsStore& settings,
                                             const std::filesystem::path& dataFolder);
void rememberBackupFolder(AppState& state, const std::filesystem::path& folder);

// "1.0.0"
std::string programVersion();
// The program's per-user settings, for the archive.
std::vector<StoredSetting> programSettings(const SettingsStore& settings);

// A backup of the state's store, now, into `destination`, keeping "NumBackUps" archives.
BackupRequest backupRequest(const AppState& state, const std::filesystem::path& destination);
// A restore of `archive` into the state's data folder, the safety copy going to the default
// backup folder, the settings to the state's settings store.
RestoreRequest restoreRequest(AppState& state, const std::filesystem::path& archive);

// mnuArqBackUp: the backup component's Backup with the date of the last backup; when it is
// done, today becomes "UltDiaFezBak".
bool backupOnDemand(AppState& state, Backup& backup);

// mnuArqRecBackUp: writes the general rules record and the day's totals first, then the
// component's Restore; when it restored, under the wait window "Atualizando Dados..." the
// options and every current record are read again from the restored files and the business
// day is restarted; then "Os usuários também foram recuperados...".
bool restoreFromMenu(AppState& state, Backup& backup);

} // namespace tavolim::core
