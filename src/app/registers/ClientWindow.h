#pragma once

#include "app/registers/PersonControls.h"
#include "app/registers/RegisterWindow.h"
#include "core/registers/ClientRegister.h"

#include <memory>

class QListWidget;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The holder register (frmDadosCli): a thin view over core::ClientRegister, which holds the
// record shown and decides; the window copies its controls in and shows the form back.
class ClientWindow final : public RegisterWindow {
    Q_OBJECT

public:
    explicit ClientWindow(core::AppState& state, QWidget* parent = nullptr);
    ~ClientWindow() override;

    const core::ClientRegister& model() const { return m_model; }
    // Shows the holder with this code, as a search or a new holder does.
    void showClient(std::int32_t code);

private:
    void showForm() override;
    void collect() override;
    void openDependent(int position);
    void search();

    core::AppState& m_state;
    core::ClientRegister m_model;
    std::unique_ptr<PersonControls> m_controls;
    QListWidget* m_dependents = nullptr;
};

} // namespace tavolim::app
