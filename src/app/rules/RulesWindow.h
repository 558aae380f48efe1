#pragma once

#include "core/rules/RulesEditor.h"

#include <QDialog>

#include <array>

class QTabWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

class RulesPage;

// frmDadosGer, "Dados Gerenciais da Locadora": six tabs over one core::RulesEditor, which
// holds every value on copies until OK. OK validates and writes; a refusal brings the tab and
// the line it names to the front. Cancelar closes without saving; Esc or the close box ask
// "Deseja salvar as alterações ?" after a change.
class RulesWindow final : public QDialog {
    Q_OBJECT

public:
    explicit RulesWindow(core::AppState& state, QWidget* parent = nullptr);

    const core::RulesEditor& editor() const { return m_editor; }
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool commitPages();

    core::RulesEditor m_editor;
    QTabWidget* m_tabs = nullptr;
    std::array<RulesPage*, 6> m_pages{};
    bool m_warned = false;
};

// Cadastros > Diárias/Prazos: the window, modal.
void openRulesEditor(core::AppState& state, QWidget* parent);

} // namespace tavolim::app
