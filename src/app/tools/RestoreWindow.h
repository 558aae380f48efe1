#pragma once

#include "core/tools/RestoreForm.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmRecBackup: the backups of a folder, newest first, each with its date, store and size
// (lstBackups); another archive may be opened from anywhere (cmdArquivo). cmdOK restores the
// one selected after asking, and closes with Accepted once the data folder holds it.
class RestoreWindow final : public QDialog {
    Q_OBJECT

public:
    RestoreWindow(core::AppState& state, QWidget* parent = nullptr);

private:
    void fillList();
    void browseFolder();
    void openArchive();
    void restore();

    core::AppState& m_state;
    core::RestoreForm m_form;
    QLineEdit* m_folder = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace tavolim::app
