#pragma once

#include "core/tools/BackupMaker.h"

#include <functional>
#include <string>

namespace tavolim::core {

class AppState;
class Progress;

// The backup window (frmBackup): the folder the archive goes to, the date of the last
// backup, how many are kept, and the backup itself with its progress.
class BackupForm {
public:
    explicit BackupForm(AppState& state);

    // The folder box: the folder of the last backup, or "Backups" beside the data.
    std::string txtPasta;

    // "Último back-up: 01/12/2026", or "Nenhum back-up foi feito ainda."
    std::string lblUltimo() const;
    // "São guardados os 10 back-ups mais recentes desta locadora na pasta."
    std::string lblManter() const;

    // Makes the backup into the folder. Done: the folder is remembered and the operator told
    // where the archive is. Not done (a failure, a cancel): the operator is told why and
    // nothing was written. `progress` shows the copy and its check.
    bool fazerBackup(Progress& progress, const std::function<bool()>& cancelRequested = {});

    const BackupOutcome& outcome() const { return m_outcome; }

private:
    AppState& m_state;
    BackupOutcome m_outcome;
};

// "1,2 MB", "850 KB": a size as the windows show it.
std::string sizeText(std::uint64_t bytes);

inline constexpr const char* kBackupTitle = "Back-Up";

} // namespace tavolim::core
