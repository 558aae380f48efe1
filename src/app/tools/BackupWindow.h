#pragma once

#include "core/tools/BackupForm.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// frmBackup: the folder the backup goes to (a pen drive or any folder, remembered), the last
// backup's date, how many are kept, and the backup's progress with a Cancel that stops it.
// Closes with Accepted once the archive is written and checked. At exit it starts by itself
// when the remembered folder is there.
class BackupWindow final : public QDialog {
    Q_OBJECT

public:
    BackupWindow(core::AppState& state, bool atExit, QWidget* parent = nullptr);

    // Runs the backup, as cmdOK does.
    void start();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    class InlineProgress;

    void browse();
    void setRunning(bool running);

    core::AppState& m_state;
    core::BackupForm m_form;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_bar = nullptr;
    bool m_running = false;
    bool m_cancelRequested = false;
};

} // namespace tavolim::app
