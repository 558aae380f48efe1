#include "app/shell/AccessLevelsWindow.h"

#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {

AccessLevelsWindow::AccessLevelsWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmNivAcesso"));
    setWindowTitle(QStringLiteral("Níveis de Acesso"));

    const auto& levels = m_state.records().rules().NivelAcesso;
    m_grid = new QTableWidget(static_cast<int>(levels.size()), 2, this);
    m_grid->setObjectName(QStringLiteral("FlexNiveis"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Nome"), QStringLiteral("Nível")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const auto r = static_cast<std::size_t>(row);
        m_grid->setItem(row, 0,
                        new QTableWidgetItem(toQString(std::string(core::kAccessRowNames[r]))));
        auto* value = new QTableWidgetItem(QString::number(levels[r]));
        value->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(row, 1, value);
    }

    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("txtN"));
    m_value->setMaxLength(1);
    m_value->setFixedWidth(40);
    auto* legend = new QLabel(QStringLiteral("1 = Administrador 2 = Adm. e Médio 3 = Todos"), this);
    legend->setObjectName(QStringLiteral("lblLegenda"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("cmdCancelar"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &AccessLevelsWindow::accept);
    connect(cancel, &QPushButton::clicked, this, &AccessLevelsWindow::reject);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) { editRow(row); });
    connect(m_value, &QLineEdit::editingFinished, this, &AccessLevelsWindow::storeCell);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Nível:"), this));
    bottom->addWidget(m_value);
    bottom->addWidget(legend, 1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(bottom);
    resize(460, 560);
    m_grid->setCurrentCell(0, 1);
}

void AccessLevelsWindow::editRow(int row)
{
    if (row >= 0) {
        m_value->setText(m_grid->item(row, 1)->text());
        m_value->selectAll();
    }
}

void AccessLevelsWindow::storeCell()
{
    const int row = m_grid->currentRow();
    if (row < 0 || m_value->text() == m_grid->item(row, 1)->text()) {
        return;
    }
    if (core::acceptAccessLevel(toStdString(m_value->text()), m_state.ports().dialogs)) {
        m_grid->item(row, 1)->setText(m_value->text().trimmed());
    } else {
        m_value->setText(m_grid->item(row, 1)->text());
    }
}

void AccessLevelsWindow::accept()
{
    storeCell();
    auto& levels = m_state.records().rules().NivelAcesso;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        levels[static_cast<std::size_t>(row)] =
            static_cast<std::int16_t>(m_grid->item(row, 1)->text().toInt());
    }
    m_state.saveRules();
    if (m_state.dayHooks.refreshMenus) {
        m_state.dayHooks.refreshMenus();
    }
    QDialog::accept();
}

} // namespace tavolim::app
