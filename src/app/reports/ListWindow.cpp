#include "app/reports/ListWindow.h"

#include "app/shell/QtConversions.h"
#include "core/ports/Dialogs.h"
#include "core/reports/ListExport.h"
#include "core/reports/RecordListings.h"
#include "core/reports/ReportFiles.h"
#include "core/state/AppState.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

constexpr int kRowIndexRole = Qt::UserRole + 1;

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// A file name from the list's title: letters, digits and spaces.
QString fileNameFor(const QString& title)
{
    QString name;
    for (const QChar c : title) {
        name += c.isLetterOrNumber() || c == QLatin1Char(' ') ? c : QLatin1Char(' ');
    }
    return name.simplified();
}

} // namespace

ListWindow::ListWindow(core::AppState& state, core::RecordList list, RegisterOpeners openers,
                       QWidget* parent)
    : QDialog(parent), m_state(state), m_list(std::move(list)), m_openers(std::move(openers))
{
    setObjectName(QStringLiteral("frmLista"));
    setProperty("Tag", toQString(std::string(core::reportKindTag(m_list.kind))));
    setWindowTitle(toQString(m_list.title));

    const bool people = m_list.kind == core::ReportKind::Client;
    m_grid = new QTableWidget(static_cast<int>(m_list.rows.size()), people ? 3 : 2, this);
    m_grid->setObjectName(QStringLiteral("FlexGrid1"));
    QStringList titles = {QStringLiteral("Nome"), QStringLiteral("Código")};
    if (people) {
        titles << QStringLiteral("Tipo");
    }
    m_grid->setHorizontalHeaderLabels(titles);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->setTabKeyNavigation(false);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const core::ListRow& row = m_list.rows[static_cast<std::size_t>(r)];
        auto* name = new QTableWidgetItem(toQString(row.name));
        name->setData(kRowIndexRole, r);
        m_grid->setItem(r, 0, name);
        auto* code = new QTableWidgetItem;
        code->setData(Qt::DisplayRole, row.code);
        code->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(r, 1, code);
        if (people) {
            auto* kind = new QTableWidgetItem(QString(QChar::fromLatin1(row.kind)));
            kind->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(r, 2, kind);
        }
    }
    // File order first; a click on a column title sorts by it.
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->setSortingEnabled(true);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    if (people) {
        m_grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    }
    if (m_grid->rowCount() > 0) {
        m_grid->selectRow(0);
    }
    // Enter on a row opens it, rather than reaching the dialog's default button.
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int r, int) { openRow(r); });

    auto* total = new QLabel(
        QString::number(m_grid->rowCount()) +
            (m_grid->rowCount() == 1 ? QStringLiteral(" registro") : QStringLiteral(" registros")),
        this);
    total->setObjectName(QStringLiteral("lblTotal"));

    m_open = button(this, "cmdAbrir", QStringLiteral("&Abrir Cadastro"));
    const bool canOpen = people ? m_openers.client || m_openers.dependent
                                : static_cast<bool>(m_openers.forRow(m_list.kind, {}));
    m_open->setEnabled(m_grid->rowCount() > 0 && canOpen);
    connect(m_open, &QPushButton::clicked, this, [this] { openRow(m_grid->currentRow()); });
    auto* print = button(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    auto* printMenu = new QMenu(print);
    printMenu->setObjectName(QStringLiteral("mnuSaida"));
    addReportChoices(printMenu, [this](ReportChoice choice) { printListing(choice); });
    print->setMenu(printMenu);
    auto* exportButton = button(this, "cmdExportar", QStringLiteral("E&xportar CSV..."));
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = QFileDialog::getSaveFileName(
            this, QStringLiteral("Exportar lista"),
            QDir(documents).filePath(fileNameFor(windowTitle()) + QStringLiteral(".csv")),
            QStringLiteral("Planilhas CSV (*.csv)"));
        if (!path.isEmpty()) {
            exportCsv(path);
        }
    });
    auto* close = button(this, "cmdFechar", QStringLiteral("&Fechar"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(total);
    buttons->addStretch();
    for (QPushButton* b : {m_open, print, exportButton, close}) {
        buttons->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    setTabOrder(m_grid, m_open);
    setTabOrder(m_open, print);
    setTabOrder(print, exportButton);
    setTabOrder(exportButton, close);
    m_grid->setFocus();
    resize(people ? 560 : 520, 480);
}

std::vector<core::ListRow> ListWindow::shownRows() const
{
    std::vector<core::ListRow> rows;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const int index = m_grid->item(r, 0)->data(kRowIndexRole).toInt();
        rows.push_back(m_list.rows[static_cast<std::size_t>(index)]);
    }
    return rows;
}

std::string ListWindow::listingText() const
{
    const auto rows = shownRows();
    return core::listingText(m_state.records(), m_list.kind, rows,
                             std::chrono::sys_days(m_state.DataDia));
}

bool ListWindow::printListing(ReportChoice choice)
{
    return deliverReport(m_state, listingText(), choice, this, fileNameFor(windowTitle()));
}

bool ListWindow::exportCsv(const QString& path)
{
    const auto rows = shownRows();
    const std::string cause = core::writeListCsv(toPath(path), m_list.kind, rows);
    if (!cause.empty()) {
        m_state.ports().dialogs.message(core::fileWriteFailure(toPath(path), cause),
                                        core::msg::Critical, "Erro");
        return false;
    }
    return true;
}

void ListWindow::openRow(int row)
{
    if (row < 0 || row >= m_grid->rowCount()) {
        return;
    }
    const int index = m_grid->item(row, 0)->data(kRowIndexRole).toInt();
    const core::ListRow& listRow = m_list.rows[static_cast<std::size_t>(index)];
    if (const auto& open = m_openers.forRow(m_list.kind, listRow)) {
        open(this, listRow.code);
    }
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openRow(m_grid->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tavolim::app
