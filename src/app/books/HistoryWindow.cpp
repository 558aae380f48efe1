#include "app/books/HistoryWindow.h"

#include "app/books/BookGrid.h"
#include "app/counter/CounterControls.h"
#include "app/reports/ReportDelivery.h"
#include "app/shell/QtConversions.h"
#include "core/reports/HistoryForm.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace tavolim::app {

HistoryWindow::HistoryWindow(core::HistoryForm form, QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<core::HistoryForm>(std::move(form)))
{
    setObjectName(QStringLiteral("frmHist"));
    setWindowTitle(toQString(m_form->title()));

    QStringList headings;
    for (const auto& h : m_form->headings()) {
        headings.append(toQString(h));
    }
    const bool rentals = m_form->history().kind == core::HistoryKind::Rentals;
    auto* model = new BookTableModel(
        headings, rentals ? QSet<int>{0, 3, 4, 6, 7, 8} : QSet<int>{0, 2, 4, 5, 6}, this);
    model->setRows(m_form->rowCount(), [this](int row) { return m_form->cells(row); });
    auto* grid = makeBookGrid(this, "FlexHist", model, rentals ? 5 : 3);
    fitBookGrid(grid);

    auto* print = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    auto* close = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    close->setDefault(true);
    addBookOutputs(
        print, m_form->state(), [this] { m_form->print(); },
        [this]() -> std::optional<std::string> { return m_form->report().text(); },
        toQString(m_form->title()));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(clientRow(this, toQString(m_form->history().personName)));
    layout->addWidget(grid, 1);
    layout->addLayout(buttons);
    resize(rentals ? 820 : 700, 480);
}

HistoryWindow::~HistoryWindow() = default;

void showPersonHistory(core::AppState& state, core::PersonRef person, core::HistoryKind kind,
                       QWidget* parent)
{
    auto form = core::HistoryForm::open(state, person, kind);
    if (!form) {
        return;
    }
    HistoryWindow window(std::move(*form), parent);
    window.exec();
}

} // namespace tavolim::app
