#include "app/shell/LoginWindow.h"

#include "app/shell/QtConversions.h"
#include "app/shell/WindowPlacement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

using Mode = core::AccessForm::Mode;
using Outcome = core::AccessForm::Outcome;

LoginWindow::LoginWindow(core::AppState& state, Mode mode, QWidget* parent)
    : QDialog(parent), m_form(state, mode)
{
    setObjectName(QStringLiteral("frmAcesso"));
    setWindowTitle(toQString(m_form.title()));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtNome"));
    m_name->setMaxLength(25);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtSenha"));
    m_password->setEchoMode(QLineEdit::Password);
    if (mode == Mode::ChangePassword) {
        m_name->setText(toQString(m_form.fixedName()));
        m_name->setReadOnly(true);
    }

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Nome:"), m_name);
    fields->addRow(QStringLiteral("&Senha:"), m_password);
    // A new password is typed twice, in two boxes, so the operator sees what is asked.
    if (mode != Mode::Login) {
        m_confirmation = new QLineEdit(this);
        m_confirmation->setObjectName(QStringLiteral("txtConfirmaSenha"));
        m_confirmation->setEchoMode(QLineEdit::Password);
        fields->addRow(QStringLiteral("C&onfirme a senha:"), m_confirmation);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelar"));
    connect(ok, &QPushButton::clicked, this, &LoginWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &LoginWindow::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    (mode == Mode::ChangePassword ? m_password : m_name)->setFocus();
}

void LoginWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreWindow(*this);
}

void LoginWindow::accept()
{
    const std::string confirmation = m_confirmation ? toStdString(m_confirmation->text()) : "";
    switch (m_form.ok(toStdString(m_name->text()), toStdString(m_password->text()), confirmation)) {
    case Outcome::Succeeded:
        QDialog::accept();
        return;
    case Outcome::Failed:
        QDialog::reject();
        return;
    case Outcome::Stay:
        break;
    }
    m_password->clear();
    if (m_confirmation) {
        m_confirmation->clear();
    }
    if (m_name->isReadOnly()) {
        m_password->setFocus();
    } else {
        m_name->selectAll();
        m_name->setFocus();
    }
}

int LoginWindow::logIn(core::AppState& state, QWidget* parent)
{
    LoginWindow window(state, Mode::Login, parent);
    window.exec();
    return window.form().loggedIn();
}

bool LoginWindow::run(core::AppState& state, Mode mode, QWidget* parent)
{
    LoginWindow window(state, mode, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace tavolim::app
