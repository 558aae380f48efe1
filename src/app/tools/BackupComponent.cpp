#include "app/tools/BackupComponent.h"

#include "app/tools/BackupWindow.h"
#include "app/tools/RestoreWindow.h"

namespace tavolim::app {

bool BackupComponent::backup(const std::string&)
{
    BackupWindow window(m_state, false, m_window);
    return window.exec() == QDialog::Accepted;
}

bool BackupComponent::backupOnExit(const std::string&)
{
    BackupWindow window(m_state, true, m_window);
    return window.exec() == QDialog::Accepted;
}

bool BackupComponent::restore()
{
    RestoreWindow window(m_state, m_window);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
