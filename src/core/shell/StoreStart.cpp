#include "core/shell/StoreStart.h"

#include "core/ports/Dialogs.h"
#include "core/shell/NewInstallation.h"
#include "core/shell/StoreOpening.h"
#include "core/tools/BackupRestore.h"
#include "core/tools/BackupSession.h"

namespace tavolim::core {
namespace {

std::string joined(const std::vector<std::string>& notices)
{
    std::string text;
    for (const auto& notice : notices) {
        text += (text.empty() ? "" : "\n\n") + notice;
    }
    return text;
}

// Where backups of this folder may be: the folder of the last backup, and the default one.
bool backupsExist(const std::filesystem::path& folder, const SettingsStore& settings)
{
    return !listArchives(rememberedBackupFolder(settings, folder)).empty() ||
           !listArchives(defaultBackupFolder(folder)).empty();
}

} // namespace

StoreStart startStore(const std::filesystem::path& folder, std::chrono::year_month_day today,
                      Dialogs& dialogs, const SettingsStore& settings,
                      const RestoreOffer& offerRestore)
{
    StoreStart start;
    // A restored store is opened afresh, once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        StoreOpening opening = openStore(folder);
        if (opening.verdict == StoreOpening::Verdict::Refuse) {
            const bool offer = attempt == 0 && offerRestore &&
                               opening.contents == FolderContents::StoreNoRules &&
                               backupsExist(folder, settings);
            if (offer && dialogs.message(joined(opening.notices) +
                                             "\n\nHá back-ups desta pasta. Deseja recuperar um "
                                             "deles agora?",
                                         msg::Question + msg::YesNo) == msg::Answer::Yes) {
                // The restore needs the folder held by this process.
                start.lock = std::move(opening.lock);
                const bool restored = offerRestore();
                start.lock.reset();
                if (restored) {
                    continue;
                }
            } else {
                dialogs.message(joined(opening.notices), msg::Critical);
            }
            return start;
        }
        start.lock = std::move(opening.lock);
        if (opening.verdict == StoreOpening::Verdict::OpenReadOnly) {
            dialogs.message(joined(opening.notices), msg::Exclamation);
            start.state = StoreStart::State::ReadOnly;
            return start;
        }
        if (!opening.notices.empty()) {
            dialogs.message(joined(opening.notices), msg::Information);
        }
        if (!needsNewInstallation(folder)) {
            start.state = StoreStart::State::Ready;
            return start;
        }
        if (createNewInstallation(folder, today)) {
            start.state = StoreStart::State::Created;
            return start;
        }
        dialogs.message("Não foi possível criar os arquivos de dados em '" + folder.string() + "'.",
                        msg::Critical);
        start.lock.reset();
        return start;
    }
    return start;
}

} // namespace tavolim::core
