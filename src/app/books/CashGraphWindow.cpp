#include "app/books/CashGraphWindow.h"

#include "app/books/CashChartView.h"
#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"
#include "core/state/AppState.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

using core::CashBreakdown;
using core::CashSeries;

struct Choice {
    const char* name;
    const char* caption;
};

// In the order of CashSeries and CashBreakdown.
constexpr Choice kSeries[] = {{"optLocacoes", "&Locações"},
                              {"optVendas", "&Vendas"},
                              {"optEntrada", "&Total Entrada"},
                              {"optNLocacoes", "&N° de Locações"}};
constexpr Choice kBreakdowns[] = {{"optDiaMes", "&Dia do Mês"},
                                  {"optDiaSemana", "Dia da S&emana"},
                                  {"optMes", "&Mês"},
                                  {"optTrimestre", "T&rimestre"},
                                  {"optAno", "&Ano"}};

QComboBox* namedCombo(QWidget* parent, const char* name, const std::vector<std::string>& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const std::string& item : items) {
        box->addItem(toQString(item));
    }
    return box;
}

} // namespace

CashGraphWindow::CashGraphWindow(core::AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_form(state)
{
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(toQString(std::string(core::kCashGraphTitle)));

    auto* seriesBox = new QGroupBox(QStringLiteral("Gráfico de"), this);
    auto* seriesLayout = new QVBoxLayout(seriesBox);
    auto* seriesGroup = new QButtonGroup(seriesBox);
    for (const Choice& c : kSeries) {
        QRadioButton* option = namedOption(seriesBox, c.name, QString::fromUtf8(c.caption));
        seriesGroup->addButton(option, static_cast<int>(m_series.size()));
        seriesLayout->addWidget(option);
        m_series.push_back(option);
    }
    connect(seriesGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_form.setSeries(static_cast<CashSeries>(id));
        showTable();
        showChart();
    });

    auto* breakdownBox = new QGroupBox(QStringLiteral("Somar por"), this);
    auto* breakdownLayout = new QVBoxLayout(breakdownBox);
    auto* breakdownGroup = new QButtonGroup(breakdownBox);
    for (const Choice& c : kBreakdowns) {
        QRadioButton* option = namedOption(breakdownBox, c.name, QString::fromUtf8(c.caption));
        breakdownGroup->addButton(option, static_cast<int>(m_breakdowns.size()));
        breakdownLayout->addWidget(option);
        m_breakdowns.push_back(option);
    }
    connect(breakdownGroup, &QButtonGroup::idClicked, this, [this](int id) {
        m_form.setBreakdown(static_cast<CashBreakdown>(id));
        showPeriods();
        showTable();
        showChart();
    });

    m_listLabel = new QLabel(this);
    m_listLabel->setObjectName(QStringLiteral("lblList"));
    m_periods = new QListWidget(this);
    m_periods->setObjectName(QStringLiteral("lstPeriodo"));
    m_periods->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listLabel->setBuddy(m_periods);
    connect(m_periods, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_filling) {
            return;
        }
        std::vector<int> rows;
        for (const QModelIndex& index : m_periods->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        m_form.choose(rows);
        showTable();
        showChart();
    });

    m_type = namedCombo(this, "cboTipoGraf", core::chartTypeNames());
    m_style = namedCombo(this, "cboEstiloGraf", {});
    m_grid = namedCombo(this, "cboLinhasGraf", core::gridLineNames());
    m_type->setCurrentIndex(static_cast<int>(m_form.chartType()));
    m_grid->setCurrentIndex(static_cast<int>(m_form.gridLines()));
    fillStyles();
    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling || index < 0) {
            return;
        }
        m_form.setChartType(static_cast<core::ChartType>(index));
        fillStyles();
        showChart();
    });
    connect(m_style, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_filling || index < 0) {
            return;
        }
        m_form.setChartStyle(index);
        showChart();
    });
    connect(m_grid, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) {
            return;
        }
        m_form.setGridLines(static_cast<core::GridLines>(index));
        showChart();
    });
    auto* settings = new QFormLayout;
    const auto labelFor = [this](const QString& caption, QWidget* buddy) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(buddy);
        return label;
    };
    settings->addRow(labelFor(QStringLiteral("Ti&po :"), m_type), m_type);
    settings->addRow(labelFor(QStringLiteral("Estil&o :"), m_style), m_style);
    settings->addRow(labelFor(QStringLiteral("Lin&has :"), m_grid), m_grid);

    m_print = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    auto* save = namedButton(this, "cmdSalvarGraf", QStringLiteral("Salvar &Gráfico..."));
    auto* copy = namedButton(this, "cmdCopiar", QStringLiteral("&Copiar Tabela"));
    auto* close = namedButton(this, "cmdFechar", QStringLiteral("&Fechar"));
    // Enter in the table tells the sum of the cells chosen; no button takes it.
    for (QPushButton* b : {m_print, save, copy, close}) {
        b->setAutoDefault(false);
    }
    connect(m_print, &QPushButton::clicked, this, [this] { m_form.print(); });
    connect(save, &QPushButton::clicked, this, &CashGraphWindow::saveChart);
    connect(copy, &QPushButton::clicked, this, &CashGraphWindow::copyTable);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_chart = new CashChartView(this);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("FlexDados"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->viewport()->installEventFilter(this);
    m_table->installEventFilter(this);

    auto* left = new QVBoxLayout;
    left->addWidget(seriesBox);
    left->addWidget(breakdownBox);
    left->addWidget(m_listLabel);
    left->addWidget(m_periods, 1);
    left->addLayout(settings);
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_print, 0, 0);
    buttons->addWidget(copy, 0, 1);
    buttons->addWidget(save, 1, 0);
    buttons->addWidget(close, 1, 1);
    left->addLayout(buttons);
    auto* panel = new QWidget(this);
    panel->setLayout(left);
    panel->setFixedWidth(290);
    left->setContentsMargins(0, 0, 0, 0);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_chart);
    split->addWidget(m_table);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(split, 1);

    m_series[static_cast<std::size_t>(m_form.series())]->setChecked(true);
    m_breakdowns[static_cast<std::size_t>(m_form.breakdown())]->setChecked(true);
    showPeriods();
    showTable();
    showChart();
    resize(1180, 800);
}

void CashGraphWindow::done(int result)
{
    m_form.saveSettings();
    QDialog::done(result);
}

bool CashGraphWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A drag over cells ends here: their sum is told when there is more than one.
        sumSelection(2);
    } else if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            sumSelection(1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CashGraphWindow::showPeriods()
{
    m_filling = true;
    // "Mese&s :", "Ano&s :": the same key for either list.
    QString label = toQString(m_form.listLabel());
    label.insert(label.indexOf(QStringLiteral(" :")) - 1, QLatin1Char('&'));
    m_listLabel->setText(label);
    m_periods->clear();
    for (const std::string& period : m_form.periodTexts()) {
        m_periods->addItem(toQString(period));
    }
    for (const int row : m_form.chosenIndexes()) {
        m_periods->item(row)->setSelected(true);
    }
    if (!m_form.chosenIndexes().empty()) {
        m_periods->scrollToItem(m_periods->item(m_form.chosenIndexes().back()));
    }
    m_filling = false;
}

void CashGraphWindow::showTable()
{
    const core::CashTable& table = m_form.table();
    const auto headings = table.headings();
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(headings.size()));
    m_table->setRowCount(static_cast<int>(table.rowCount()));
    QStringList labels;
    for (const std::string& h : headings) {
        labels.append(toQString(h));
    }
    m_table->setHorizontalHeaderLabels(labels);
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        const auto cells = table.rowTexts(row);
        for (std::size_t col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(toQString(cells[col]));
            if (col > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(static_cast<int>(row), static_cast<int>(col), item);
        }
    }
    m_table->resizeColumnsToContents();
    m_print->setEnabled(table.rowCount() > 0);
}

void CashGraphWindow::showChart()
{
    m_chart->draw(m_form.chart(), m_form.look());
}

void CashGraphWindow::fillStyles()
{
    m_filling = true;
    m_style->clear();
    for (const std::string& name : m_form.styleNames()) {
        m_style->addItem(toQString(name));
    }
    m_style->setCurrentIndex(m_form.chartStyle());
    m_filling = false;
}

void CashGraphWindow::sumSelection(std::size_t atLeast)
{
    std::vector<core::CashCell> cells;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes()) {
        // The first column names the period: no value to add.
        if (index.column() > 0) {
            cells.emplace_back(static_cast<std::size_t>(index.row()),
                               static_cast<std::size_t>(index.column() - 1));
        }
    }
    if (cells.size() >= atLeast && !cells.empty()) {
        m_form.showSelectionSum(cells);
    }
}

void CashGraphWindow::copyTable()
{
    QGuiApplication::clipboard()->setText(toQString(m_form.tabSeparated()));
}

void CashGraphWindow::saveChart()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString chosenFilter;
    QString name = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salvar Gráfico"),
        QDir(folder).filePath(QStringLiteral("grafico.png")),
        QStringLiteral("Imagem PNG (*.png);;Documento PDF (*.pdf)"), &chosenFilter);
    if (name.isEmpty()) {
        return;
    }
    if (QFileInfo(name).suffix().isEmpty()) {
        name += chosenFilter.contains(QStringLiteral("pdf")) ? QStringLiteral(".pdf")
                                                             : QStringLiteral(".png");
    }
    saveChartTo(name);
}

bool CashGraphWindow::saveChartTo(const QString& file)
{
    const bool pdf =
        QFileInfo(file).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = pdf ? m_chart->pdf() : m_chart->png();
    return core::saveChartFile(m_state, toPath(file),
                               std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())));
}

void openCashGraph(core::AppState& state, QWidget* parent)
{
    CashGraphWindow window(state, parent);
    window.exec();
}

} // namespace tavolim::app
