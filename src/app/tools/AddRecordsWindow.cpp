#include "app/tools/AddRecordsWindow.h"

#include "app/shell/QtConversions.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

AddRecordsWindow::AddRecordsWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_model(state)
{
    setObjectName(QStringLiteral("frmAdicRegs"));
    setWindowTitle(QStringLiteral("Adicionar Registros"));

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboTipo"));
    for (const core::DataKindInfo& kind : core::dataKinds()) {
        m_kind->addItem(toQString(std::string(kind.name)));
    }
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblRegistros"));
    m_quantity = new QLineEdit(this);
    m_quantity->setObjectName(QStringLiteral("txtQuantidade"));
    m_quantity->setValidator(new QIntValidator(0, 99999, m_quantity));
    m_quantity->setMaximumWidth(100);

    auto* add = new QPushButton(QStringLiteral("&Adicionar"), this);
    add->setObjectName(QStringLiteral("cmdAdicionar"));
    add->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("&Fechar"), this);
    close->setObjectName(QStringLiteral("cmdFechar"));
    close->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Tipo de registro:"), m_kind);
    form->addRow(QString(), m_count);
    form->addRow(QStringLiteral("&Quantidade a adicionar:"), m_quantity);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    setTabOrder(m_kind, m_quantity);
    setTabOrder(m_quantity, add);
    setTabOrder(add, close);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { showCount(); });
    connect(add, &QPushButton::clicked, this, &AddRecordsWindow::add);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    showCount();
    m_quantity->setFocus();
    resize(420, 170);
}

void AddRecordsWindow::showCount()
{
    m_model.cboTipo = core::dataKinds()[static_cast<std::size_t>(m_kind->currentIndex())].kind;
    m_count->setText(toQString(m_model.countCaption()));
}

bool AddRecordsWindow::add()
{
    m_model.txtQuantidade = toStdString(m_quantity->text());
    const auto result = m_model.add();
    showCount();
    return result && result->end == core::RunEnd::Completed;
}

} // namespace tavolim::app
