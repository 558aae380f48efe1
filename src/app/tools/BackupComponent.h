#pragma once

#include "core/ports/Backup.h"

class QWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The program's backup component: its backup and restore are the windows frmBackup and
// frmRecBackup over the core's zip archives.
class BackupComponent final : public core::Backup {
public:
    explicit BackupComponent(core::AppState& state) : m_state(state) {}

    // The window its windows open over.
    void setWindow(QWidget* window) { m_window = window; }

    bool available() const override { return true; }
    bool backup(const std::string& lastBackup) override;
    bool backupOnExit(const std::string& lastBackup) override;
    bool restore() override;

private:
    core::AppState& m_state;
    QWidget* m_window = nullptr;
};

} // namespace tavolim::app
