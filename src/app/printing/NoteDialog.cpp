#include "app/printing/NoteDialog.h"

#include "app/shell/QtConversions.h"
#include "core/store/Money.h"
#include "core/store/TextHelpers.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

NoteDialog::NoteDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNota"));
    setWindowTitle(QStringLiteral("Nota"));
    setModal(true);

    m_valor = new QLineEdit;
    m_valor->setObjectName(QStringLiteral("txtValor"));
    m_valor->setAlignment(Qt::AlignRight);
    m_nota = new QLineEdit;
    m_nota->setObjectName(QStringLiteral("txtNota"));
    // The note is printed on a receipt line.
    m_nota->setMaxLength(40);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"));
    cancel->setObjectName(QStringLiteral("cmdCancelar"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Valor:"), m_valor);
    form->addRow(QStringLiteral("Nota:"), m_nota);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

core::Money NoteDialog::amount() const
{
    return core::parseMoney(toStdString(m_valor->text()));
}

QString NoteDialog::note() const
{
    return m_nota->text();
}

void NoteDialog::setAmount(core::Money amount)
{
    m_valor->setText(toQString(core::formatMoney(amount)));
}

void NoteDialog::setNote(const QString& note)
{
    m_nota->setText(note);
}

void NoteDialog::done(int result)
{
    m_tag = result == Accepted ? QString() : QStringLiteral("x");
    QDialog::done(result);
}

} // namespace tavolim::app
