#include "app/books/SalesBookWindow.h"

#include "app/books/BookGrid.h"
#include "app/books/MonthDeletionWindow.h"
#include "app/books/PeriodControls.h"
#include "app/counter/CounterControls.h"
#include "app/reports/ReportDelivery.h"
#include "app/shell/QtConversions.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tavolim::app {

SalesBookWindow::SalesBookWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state)
{
    setObjectName(QStringLiteral("frmLivroCaixa"));
    setWindowTitle(QStringLiteral("Histórico de Vendas"));

    m_periods = new PeriodControls(this);
    connect(m_periods, &PeriodControls::lengthChosen, this, [this](core::PeriodLength length) {
        m_form.setLength(length);
        m_periods->show(m_form.periods());
        showLines();
    });
    connect(m_periods, &PeriodControls::list1Chosen, this, [this](int index) {
        m_form.chooseList1(index);
        m_periods->show(m_form.periods());
        showLines();
    });
    connect(m_periods, &PeriodControls::list2Chosen, this, [this](int index) {
        m_form.chooseList2(index);
        showLines();
    });

    QStringList headings;
    for (const auto& h : core::salesBookHeadings()) {
        headings.append(toQString(h));
    }
    m_model = new BookTableModel(headings, {0, 4, 5, 6}, this);
    m_grid = makeBookGrid(this, "FlexProds", m_model, 3);

    m_print = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    auto* remove = namedButton(this, "cmdExcluir", QStringLiteral("E&xcluir Meses..."));
    auto* close = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    // Enter in the lists chooses nothing more than the arrows did: no button answers it.
    for (QPushButton* b : {m_print, remove, close}) {
        b->setAutoDefault(false);
    }
    addBookOutputs(
        m_print, m_state, [this] { m_form.print(); },
        [this]() -> std::optional<std::string> {
            const auto made = m_form.report();
            return made ? std::optional(made->text()) : std::nullopt;
        },
        QStringLiteral("Histórico de Vendas"));
    connect(remove, &QPushButton::clicked, this, &SalesBookWindow::deleteMonths);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(remove);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_periods);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_periods->show(m_form.periods());
    showLines();
    resize(820, 560);
}

void SalesBookWindow::showLines()
{
    m_model->setRows(static_cast<int>(m_form.lines().size()), [this](int row) {
        const auto cells = m_form.cells(row);
        return std::vector<std::string>(cells.begin(), cells.end());
    });
    fitBookGrid(m_grid);
    m_print->setEnabled(!m_form.lines().empty());
}

void SalesBookWindow::deleteMonths()
{
    MonthDeletionWindow dialog(m_state, core::MonthBook::Sales, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_form.monthsDeleted();
        m_periods->show(m_form.periods());
        showLines();
    }
}

void openSalesBook(core::AppState& state, QWidget* parent)
{
    if (!core::SalesBookForm::canOpen(state)) {
        return;
    }
    SalesBookWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
