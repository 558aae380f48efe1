#include "core/tools/BackupSession.h"

#include "core/books/DayRoll.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Backup.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/ports/SettingsStore.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

constexpr const char* kFolderKey = "PastaBackUp";

BackupMoment now(const AppState& state)
{
    return {state.ports().clock.today(), state.ports().clock.timeOfDay()};
}

std::string storeName(const AppState& state)
{
    return trim(state.records().store().NomeFantasia);
}

} // namespace

std::filesystem::path defaultBackupFolder(const std::filesystem::path& dataFolder)
{
    return dataFolder / "Backups";
}

std::filesystem::path rememberedBackupFolder(const SettingsStore& settings,
                                             const std::filesystem::path& dataFolder)
{
    const std::string folder = settings.read(std::string(kOptionsApplication),
                                             std::string(kOptionsSection), kFolderKey, "");
    return folder.empty() ? defaultBackupFolder(dataFolder) : std::filesystem::path(folder);
}

std::filesystem::path rememberedBackupFolder(const AppState& state)
{
    return rememberedBackupFolder(state.ports().settings, state.dataFolder());
}

void rememberBackupFolder(AppState& state, const std::filesystem::path& folder)
{
    state.ports().settings.write(std::string(kOptionsApplication), std::string(kOptionsSection),
                                 kFolderKey, folder.string());
}

std::string programVersion()
{
    return std::to_string(TAVOLIM_VERSION_MAJOR) + "." + std::to_string(TAVOLIM_VERSION_MINOR) +
           "." + std::to_string(TAVOLIM_VERSION_PATCH);
}

std::vector<StoredSetting> programSettings(const SettingsStore& settings)
{
    std::vector<StoredSetting> out;
    for (const std::string_view application : kBackedUpApplications) {
        for (SettingValue& value : settings.allValues(std::string(application))) {
            out.push_back({std::string(application), std::move(value)});
        }
    }
    return out;
}

BackupRequest backupRequest(const AppState& state, const std::filesystem::path& destination)
{
    BackupRequest request;
    request.dataFolder = state.dataFolder();
    request.destination = destination;
    request.storeName = storeName(state);
    request.moment = now(state);
    request.version = programVersion();
    request.keep = state.options().NumBackUps;
    request.settings = programSettings(state.ports().settings);
    return request;
}

RestoreRequest restoreRequest(AppState& state, const std::filesystem::path& archive)
{
    RestoreRequest request;
    request.dataFolder = state.dataFolder();
    request.archive = archive;
    request.safetyFolder = defaultBackupFolder(state.dataFolder());
    request.storeName = storeName(state);
    request.moment = now(state);
    request.version = programVersion();
    request.currentSettings = programSettings(state.ports().settings);
    request.settings = &state.ports().settings;
    return request;
}

bool backupOnDemand(AppState& state, Backup& backup)
{
    if (!backup.backup(state.options().UltDiaFezBak)) {
        return false;
    }
    state.options().UltDiaFezBak = dateToText(fromYmd(state.ports().clock.today()));
    state.config().writeConfig("UltDiaFezBak", state.options().UltDiaFezBak);
    return true;
}

bool restoreFromMenu(AppState& state, Backup& backup)
{
    // Nothing held in memory is lost if the restore is cancelled.
    state.saveRules();
    saveCaixaDia(state);
    if (!backup.restore()) {
        return false;
    }
    {
        ScopedWait wait(&state.ports().progress, "Atualizando Dados...");
        auto& records = state.records();
        for (const FileKind kind :
             {FileKind::Clients, FileKind::Dependents, FileKind::Tapes, FileKind::Distributors,
              FileKind::Labels, FileKind::Media, FileKind::Actors, FileKind::Products}) {
            withCurrent(records.current(), kind, [&](auto& record) {
                if constexpr (requires { record.Codigo; }) {
                    if (record.Codigo > 0) {
                        records.readRecord(kind, record.Codigo, true);
                    }
                }
            });
        }
        // The general rules record, the store data and every option of the restored files.
        state.loadOptions();
        // The restart saves the day's totals first: those of the restored files.
        loadCaixaDia(state);
        startDay(state, true);
    }
    state.ports().dialogs.message("Os usuários também foram recuperados.\nCaso você não se "
                                  "encontre neles, cadastre-se.",
                                  msg::Information);
    return true;
}

} // namespace tavolim::core
