#include "app/books/TapeBookWindow.h"

#include "app/books/BookGrid.h"
#include "app/books/MonthDeletionWindow.h"
#include "app/books/PeriodControls.h"
#include "app/counter/CounterControls.h"
#include "app/reports/ReportDelivery.h"
#include "app/shell/QtConversions.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

namespace tavolim::app {

TapeBookWindow::TapeBookWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state)
{
    setObjectName(QStringLiteral("frmLivroFitas"));
    setWindowTitle(QStringLiteral("Locações/Devoluções"));

    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(QStringLiteral("Locações"));
    m_tabs->addTab(QStringLiteral("Devoluções"));
    m_tabs->setDrawBase(false);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
        m_form.setTab(tab == 0 ? core::TapeBookView::Rentals : core::TapeBookView::Returns);
        showLines();
    });
    // Ctrl+Tab turns the tab, as on a tab strip.
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, this,
            [this] { m_tabs->setCurrentIndex(1 - m_tabs->currentIndex()); });

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

    auto* order = new QGroupBox(QStringLiteral("Classificar por"), this);
    m_byRental = namedOption(order, "optClassifLoc", QStringLiteral("Data &Loc."));
    m_byReturn = namedOption(order, "optClassifDev", QStringLiteral("Data De&v."));
    auto* orderGroup = new QButtonGroup(order);
    orderGroup->addButton(m_byRental);
    orderGroup->addButton(m_byReturn);
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_byRental);
    orderLayout->addWidget(m_byReturn);
    orderLayout->addStretch();
    connect(m_byRental, &QRadioButton::clicked, this, [this] {
        m_form.setOrder(core::TapeBookOrder::ByRental);
        showLines();
    });
    connect(m_byReturn, &QRadioButton::clicked, this, [this] {
        m_form.setOrder(core::TapeBookOrder::ByReturn);
        showLines();
    });

    QStringList headings;
    for (const auto& h : core::tapeBookHeadings()) {
        headings.append(toQString(h));
    }
    m_model = new BookTableModel(headings, {0, 3, 4, 6, 7, 8, 10}, this);
    m_grid = makeBookGrid(this, "FlexDados", m_model, 5);

    m_print = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    auto* remove = namedButton(this, "cmdExcluir", QStringLiteral("E&xcluir Meses..."));
    auto* close = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    // Enter in the lists chooses nothing more than the arrows did: no button answers it.
    for (QPushButton* b : {m_print, remove, close}) {
        b->setAutoDefault(false);
    }
    // The report goes where the operator picks, as the other reports do.
    addBookOutputs(
        m_print, m_state, [this] { m_form.print(); },
        [this]() -> std::optional<std::string> {
            const auto made = m_form.report();
            return made ? std::optional(made->text()) : std::nullopt;
        },
        QStringLiteral("Livro de Fitas"));
    connect(remove, &QPushButton::clicked, this, &TapeBookWindow::deleteMonths);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(m_periods, 1);
    top->addWidget(order);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(remove);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_periods->show(m_form.periods());
    showLines();
    resize(1000, 620);
}

void TapeBookWindow::showLines()
{
    m_byRental->setChecked(m_form.order() == core::TapeBookOrder::ByRental);
    m_byReturn->setChecked(m_form.order() == core::TapeBookOrder::ByReturn);
    m_model->setRows(static_cast<int>(m_form.lines().size()), [this](int row) {
        const auto cells = m_form.cells(row);
        return std::vector<std::string>(cells.begin(), cells.end());
    });
    fitBookGrid(m_grid);
    m_print->setEnabled(!m_form.lines().empty());
}

void TapeBookWindow::deleteMonths()
{
    MonthDeletionWindow dialog(m_state, core::MonthBook::Tapes, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_form.monthsDeleted();
        m_periods->show(m_form.periods());
        showLines();
    }
}

void openTapeBook(core::AppState& state, QWidget* parent)
{
    if (!core::TapeBookForm::canOpen(state)) {
        return;
    }
    TapeBookWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
