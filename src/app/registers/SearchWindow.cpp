#include "app/registers/SearchWindow.h"

#include "app/registers/ChooserWindow.h"
#include "app/shell/QtConversions.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tavolim::app {

SearchWindow::SearchWindow(core::AppState& state, core::SearchMode mode, QWidget* parent)
    : QDialog(parent), m_model(state, mode)
{
    setObjectName("frmProcura");
    setWindowTitle(toQString(m_model.caption()));

    m_code = new QLineEdit(this);
    m_code->setObjectName("txtCodigo");
    m_code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), this));
    m_code->setMaximumWidth(90);
    m_name = new QLineEdit(this);
    m_name->setObjectName("txtNome");
    m_name->setMinimumWidth(280);
    // One box at a time: typing in one empties the other, so it is clear what is searched.
    connect(m_code, &QLineEdit::textEdited, m_name, &QLineEdit::clear);
    connect(m_name, &QLineEdit::textEdited, m_code, &QLineEdit::clear);

    auto* form = new QFormLayout;
    if (m_model.codeFirst()) {
        form->addRow(QStringLiteral("&Código:"), m_code);
        form->addRow(QStringLiteral("&Nome:"), m_name);
    } else {
        form->addRow(QStringLiteral("&Nome:"), m_name);
        form->addRow(QStringLiteral("&Código:"), m_code);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName("cmdCancelar");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* hint = new QLabel(toQString(m_model.hint()), this);
    hint->setObjectName(QStringLiteral("lblDica"));
    hint->setStyleSheet(QStringLiteral("color: #404040;"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    QWidget* first = m_model.codeFirst() ? static_cast<QWidget*>(m_code) : m_name;
    QWidget* second = first == m_code ? static_cast<QWidget*>(m_name) : m_code;
    setTabOrder(first, second);
    setTabOrder(second, ok);
    setTabOrder(ok, cancel);
    first->setFocus();

    connect(ok, &QPushButton::clicked, this, &SearchWindow::search);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SearchWindow::search()
{
    QLineEdit* box = m_code->text().trimmed().isEmpty() ? m_name : m_code;
    m_found = m_model.find(toStdString(box->text()), listChooser(this));
    if (m_found) {
        accept();
        return;
    }
    box->setFocus();
    box->selectAll();
}

std::optional<core::SearchHit> searchRecord(core::AppState& state, QWidget* parent,
                                            core::SearchMode mode)
{
    SearchWindow window(state, mode, parent);
    window.exec();
    return window.found();
}

} // namespace tavolim::app
