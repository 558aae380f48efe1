#include "app/books/MonthDeletionWindow.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolim::app {

MonthDeletionWindow::MonthDeletionWindow(core::AppState& state, core::MonthBook book,
                                         QWidget* parent)
    : QDialog(parent), m_form(state, book)
{
    setObjectName(QStringLiteral("frmExcluirHist"));
    setWindowTitle(QStringLiteral("Excluir Meses"));

    auto* caption =
        new QLabel(QStringLiteral("&Meses a excluir (os mais antigos; o mês atual fica):"), this);
    caption->setWordWrap(true);
    m_months = new QListWidget(this);
    m_months->setObjectName(QStringLiteral("lstMes"));
    m_months->setSelectionMode(QAbstractItemView::MultiSelection);
    caption->setBuddy(m_months);
    for (int i = 0; i < static_cast<int>(m_form.lstMes().size()); ++i) {
        auto* item =
            new QListWidgetItem(toQString(m_form.lstMes()[static_cast<std::size_t>(i)]), m_months);
        if (!m_form.selectable(i)) {
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        }
    }
    // Whatever the mouse or the space bar did, the model says what is selected.
    connect(m_months, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_showing) {
            m_form.click(m_months->currentRow());
            showSelection();
        }
    });

    m_delete = namedButton(this, "cmdExcluir", QStringLiteral("&Excluir"));
    auto* close = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    close->setDefault(true);
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (m_form.excluir()) {
            accept();
        }
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_delete);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_months, 1);
    layout->addLayout(buttons);
    showSelection();
    resize(300, 360);
}

void MonthDeletionWindow::showSelection()
{
    m_showing = true;
    for (int i = 0; i < m_months->count(); ++i) {
        m_months->item(i)->setSelected(m_form.isSelected(i));
    }
    m_delete->setEnabled(m_form.selectedCount() > 0);
    m_showing = false;
}

} // namespace tavolim::app
