#pragma once

#include "core/tools/BackupRestore.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class Progress;

// The restore window (frmRecBackup): the backups of a folder, newest first, each with its
// date, store and size; another archive may be picked from anywhere.
class RestoreForm {
public:
    explicit RestoreForm(AppState& state);

    const std::string& txtPasta() const { return m_folder; }
    // Lists the backups of the folder; the newest is selected.
    void setPasta(const std::string& folder);

    const std::vector<ArchiveSummary>& archives() const { return m_archives; }
    // The list's columns: "05/12/2026 14:30", the store ("(cópia antes de recuperar)" after a
    // safety copy's), the size.
    static std::vector<std::string> columns(const ArchiveSummary& archive);

    int selected = -1;
    // An archive chosen outside the list: put first and selected. False, after telling the
    // operator, when it is no backup of this program.
    bool addArchive(const std::filesystem::path& file);

    // Asks to confirm, then restores the selected backup. True when the data folder now
    // holds it; false when refused, failed (the operator was told why) or not confirmed.
    bool recuperar(Progress& progress);

private:
    AppState& m_state;
    std::string m_folder;
    std::vector<ArchiveSummary> m_archives;
};

inline constexpr const char* kRestoreTitle = "Recuperar Back-Up";

} // namespace tavolim::core
