#include "core/tools/RestoreForm.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/tools/BackupForm.h"
#include "core/tools/BackupSession.h"

namespace tavolim::core {

RestoreForm::RestoreForm(AppState& state) : m_state(state)
{
    setPasta(rememberedBackupFolder(state).string());
}

void RestoreForm::setPasta(const std::string& folder)
{
    m_folder = folder;
    m_archives = listArchives(folder);
    selected = m_archives.empty() ? -1 : 0;
}

std::vector<std::string> RestoreForm::columns(const ArchiveSummary& archive)
{
    std::string store = archive.header.storeName;
    if (archive.header.safetyCopy) {
        store += store.empty() ? "(cópia antes de recuperar)" : " (cópia antes de recuperar)";
    }
    return {momentText(archive.header.moment), store, sizeText(archive.size)};
}

bool RestoreForm::addArchive(const std::filesystem::path& file)
{
    auto summary = readArchiveSummary(file);
    if (!summary) {
        m_state.ports().dialogs.message("O arquivo '" + file.filename().string() +
                                            "' não é um back-up do Tavolim.",
                                        msg::Exclamation, kRestoreTitle);
        return false;
    }
    std::erase_if(m_archives, [&](const ArchiveSummary& a) { return a.file == file; });
    m_archives.insert(m_archives.begin(), std::move(*summary));
    selected = 0;
    return true;
}

bool RestoreForm::recuperar(Progress& progress)
{
    auto& dialogs = m_state.ports().dialogs;
    if (selected < 0 || selected >= static_cast<int>(m_archives.size())) {
        dialogs.message("Escolha o back-up a recuperar.", msg::Exclamation, kRestoreTitle);
        return false;
    }
    const ArchiveSummary& chosen = m_archives[static_cast<std::size_t>(selected)];
    const RestoreRequest request = restoreRequest(m_state, chosen.file);
    const std::string store =
        chosen.header.storeName.empty() ? "" : " (" + chosen.header.storeName + ")";
    const std::string question =
        "Os dados atuais serão trocados pelos do back-up de " + momentText(chosen.header.moment) +
        store + ".\nAntes, uma cópia de segurança dos dados atuais será gravada na pasta\n" +
        request.safetyFolder.string() + "\n\nDeseja continuar ?";
    if (dialogs.message(question, msg::Question + msg::YesNo, kRestoreTitle) != msg::Answer::Yes) {
        return false;
    }
    const RestoreOutcome outcome = restoreBackup(request, &progress);
    if (!outcome.done) {
        dialogs.message(outcome.message, msg::Critical, kRestoreTitle);
        return false;
    }
    return true;
}

} // namespace tavolim::core
