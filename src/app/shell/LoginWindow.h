#pragma once

#include "core/shell/AccessForm.h"

#include <QDialog>

class QLineEdit;

namespace tavolim::core {
class AppState;
}

namespace tavolim::app {

// The login window (frmAcesso) in one of its three modes; the core model decides.
class LoginWindow final : public QDialog {
    Q_OBJECT

public:
    LoginWindow(core::AppState& state, core::AccessForm::Mode mode, QWidget* parent = nullptr);

    const core::AccessForm& form() const { return m_form; }

    // Runs the login mode modally; returns who logged in, 0 = nobody.
    static int logIn(core::AppState& state, QWidget* parent);
    // Runs the change or register mode modally; true when it succeeded.
    static bool run(core::AppState& state, core::AccessForm::Mode mode, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void accept() override;

    core::AccessForm m_form;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_confirmation = nullptr; // change and register modes
};

} // namespace tavolim::app
