#include "core/tools/BackupForm.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BackupSession.h"

#include <cstdio>

namespace tavolim::core {

BackupForm::BackupForm(AppState& state)
    : txtPasta(rememberedBackupFolder(state).string()), m_state(state)
{
}

std::string BackupForm::lblUltimo() const
{
    const auto& last = m_state.options().UltDiaFezBak;
    return last.empty() ? "Nenhum back-up foi feito ainda." : "Último back-up: " + last;
}

std::string BackupForm::lblManter() const
{
    const int keep = std::max<int>(m_state.options().NumBackUps, 1);
    return keep == 1 ? "Só o back-up mais recente desta locadora fica guardado na pasta."
                     : "São guardados os " + std::to_string(keep) +
                           " back-ups mais recentes desta locadora na pasta.";
}

bool BackupForm::fazerBackup(Progress& progress, const std::function<bool()>& cancelRequested)
{
    auto& dialogs = m_state.ports().dialogs;
    const std::string folder = trim(txtPasta);
    if (folder.empty()) {
        dialogs.message("Escolha a pasta onde o back-up será gravado.", msg::Exclamation,
                        kBackupTitle);
        return false;
    }
    m_outcome = makeBackup(backupRequest(m_state, folder), &progress, cancelRequested);
    if (!m_outcome.done) {
        dialogs.message(m_outcome.message, m_outcome.cancelled ? msg::Information : msg::Critical,
                        kBackupTitle);
        return false;
    }
    rememberBackupFolder(m_state, folder);
    std::string text = "Back-up feito e conferido:\n" + m_outcome.archive.string() + " (" +
                       sizeText(m_outcome.archiveSize) + ")";
    for (const std::string& warning : m_outcome.warnings) {
        text += "\n\n" + warning;
    }
    dialogs.message(text, msg::Information, kBackupTitle);
    return true;
}

std::string sizeText(std::uint64_t bytes)
{
    char text[32];
    if (bytes < 1024 * 1024) {
        std::snprintf(text, sizeof text, "%llu KB",
                      static_cast<unsigned long long>((bytes + 1023) / 1024));
        return text;
    }
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    std::string out = text;
    for (char& c : out) {
        c = c == '.' ? ',' : c;
    }
    return out;
}

} // namespace tavolim::core
