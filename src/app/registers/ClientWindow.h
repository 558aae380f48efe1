#pragma once

#include "app/registers/PersonControls.h"
#include "core/registers/ClientRegister.h"

#include <QDialog>

#include <memory>

class QListWidget;
class QPushButton;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The holder register (frmDadosCli): a thin view over core::ClientRegister, which holds the
// record shown and decides; the window copies its controls in and shows the form back.
class ClientWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ClientWindow(core::AppState& state, QWidget* parent = nullptr);
    ~ClientWindow() override;

    const core::ClientRegister& model() const { return m_model; }
    // Shows the holder with this code, as a search or a new holder does.
    void showClient(std::int32_t code);

public slots:
    void reject() override;

private:
    void showForm();
    void collect();
    // Runs a model step over the controls: they go into the form and come back after.
    template <class Step>
    void step(Step&& stepToRun);
    void openDependent(int position);
    void search();
    void accept() override;

    core::AppState& m_state;
    core::ClientRegister m_model;
    std::unique_ptr<PersonControls> m_controls;
    QListWidget* m_dependents = nullptr;
};

} // namespace tavolim::app
