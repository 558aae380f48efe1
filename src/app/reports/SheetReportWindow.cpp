#include "app/reports/SheetReportWindow.h"

#include "app/shell/QtConversions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

constexpr core::ReportKind kKinds[] = {core::ReportKind::Client, core::ReportKind::Tape,
                                       core::ReportKind::Product, core::ReportKind::Distributor};

QString kindCaption(core::ReportKind kind)
{
    switch (kind) {
    case core::ReportKind::Client:
        return QStringLiteral("Clientes");
    case core::ReportKind::Tape:
        return QStringLiteral("Fitas");
    case core::ReportKind::Product:
        return QStringLiteral("Produtos");
    case core::ReportKind::Distributor:
        return QStringLiteral("Distribuidoras");
    }
    return {};
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

SheetReportWindow::SheetReportWindow(core::AppState& state, core::ReportKind kind, QWidget* parent)
    : QDialog(parent), m_state(state), m_model(state, kind)
{
    setObjectName(QStringLiteral("frmDadosRelat"));
    setWindowTitle(QStringLiteral("Fichas"));

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboTipo"));
    for (const core::ReportKind k : kKinds) {
        m_kind->addItem(kindCaption(k));
    }
    m_kind->setCurrentIndex(static_cast<int>(kind));
    auto* kindLabel = new QLabel(QStringLiteral("&Fichas de:"), this);
    kindLabel->setBuddy(m_kind);

    m_all = option(this, "optTodos", QStringLiteral("&Todos"));
    m_selected = option(this, "optSelecionados", QStringLiteral("&Selecionados na lista"));
    m_all->setChecked(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstDados"));
    m_list->setEnabled(false);
    auto* which = new QGroupBox(QStringLiteral("Registros"), this);
    auto* whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(m_all);
    whichLayout->addWidget(m_selected);
    whichLayout->addWidget(m_list, 1);

    m_editor = option(this, "optEditor", QStringLiteral("&Editor de textos"));
    m_file = option(this, "optArquivo", QStringLiteral("&Arquivo Relatorio.txt"));
    m_pdf = option(this, "optPdf", QStringLiteral("&PDF..."));
    m_printer = option(this, "optImpressora", QStringLiteral("&Impressora"));
    m_editor->setChecked(true);
    auto* where = new QGroupBox(QStringLiteral("Saída"), this);
    auto* whereLayout = new QVBoxLayout(where);
    for (QRadioButton* b : {m_editor, m_file, m_pdf, m_printer}) {
        whereLayout->addWidget(b);
    }
    whereLayout->addStretch();

    auto* show = new QPushButton(QStringLiteral("E&xibir"), this);
    show->setObjectName(QStringLiteral("cmdExibir"));
    show->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Fe&char"), this);
    close->setObjectName(QStringLiteral("cmdFechar"));
    close->setAutoDefault(false);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.setKind(kKinds[index]);
        fillList();
    });
    connect(m_selected, &QRadioButton::toggled, m_list, &QWidget::setEnabled);
    connect(show, &QPushButton::clicked, this, &SheetReportWindow::exibir);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(kindLabel);
    top->addWidget(m_kind, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(which, 1);
    body->addWidget(where);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(show);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setTabOrder(m_kind, m_all);
    setTabOrder(m_all, m_selected);
    setTabOrder(m_selected, m_list);
    setTabOrder(m_list, m_editor);
    setTabOrder(m_editor, m_file);
    setTabOrder(m_file, m_pdf);
    setTabOrder(m_pdf, m_printer);
    setTabOrder(m_printer, show);
    setTabOrder(show, close);

    fillList();
    resize(560, 420);
}

void SheetReportWindow::fillList()
{
    m_list->clear();
    for (const auto& entry : m_model.lstDados) {
        auto* item = new QListWidgetItem(toQString(entry.line), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(entry.ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void SheetReportWindow::collect()
{
    m_model.optTodos = m_all->isChecked();
    for (int i = 0; i < m_list->count() && i < static_cast<int>(m_model.lstDados.size()); ++i) {
        m_model.lstDados[static_cast<std::size_t>(i)].ticked =
            m_list->item(i)->checkState() == Qt::Checked;
    }
}

ReportChoice SheetReportWindow::choice() const
{
    if (m_file->isChecked()) {
        return ReportChoice::File;
    }
    if (m_pdf->isChecked()) {
        return ReportChoice::Pdf;
    }
    if (m_printer->isChecked()) {
        return ReportChoice::Printer;
    }
    return ReportChoice::Editor;
}

bool SheetReportWindow::exibir()
{
    collect();
    const auto text = m_model.cmdExibir();
    if (!text) {
        return false;
    }
    return deliverReport(m_state, *text, choice(), this,
                         QStringLiteral("Fichas de ") + kindCaption(m_model.kind()));
}

} // namespace tavolim::app
