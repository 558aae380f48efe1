#pragma once

#include "core/registers/RecordSearch.h"
#include "core/registers/Undelete.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace tavolim::app {

// The chooser list (frmDadosProcura): the caption line invites a click; a click on a line,
// cmdExibir or Enter returns it, cmdCancelar or Esc returns none.
class ChooserWindow final : public QDialog {
    Q_OBJECT

public:
    ChooserWindow(const std::string& caption, const std::vector<std::string>& lines,
                  QWidget* parent = nullptr);

    // Index of the line chosen once the window has closed with it.
    std::optional<std::size_t> chosen() const { return m_chosen; }

private:
    void choose(int row);

    QListWidget* m_list = nullptr;
    std::optional<std::size_t> m_chosen;
};

// Shows the chooser modally; nullopt when nothing was chosen.
std::optional<std::size_t> chooseFromList(QWidget* parent, const std::string& caption,
                                          const std::vector<std::string>& lines);

// The chooser as the core's searches and the reports' lists take it.
core::ListChooser listChooser(QWidget* parent);

// The chooser as the undo of deletion takes it: one pick.
core::UndeleteChooser undeleteChooser(QWidget* parent, core::FileKind kind);

} // namespace tavolim::app
