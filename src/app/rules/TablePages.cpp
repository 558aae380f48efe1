#include "app/rules/TablePages.h"

#include "app/rules/DayClassGrids.h"
#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {

PricePage::PricePage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    m_labels = namedList("lstSelo", this);
    m_labels->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_labels->setMaximumWidth(220);
    m_grids = new DayClassGrids(QStringLiteral("FlexDiarias"), QStringLiteral("R$"),
                                QStringLiteral("txtD"), false, this);
    m_counts =
        new QCheckBox(QStringLiteral("&Incluir Fitas de Brinde nos Cálculos de Diárias"), this);
    setNamed(m_counts, "chkContaBrindeDiaria");
    connect(m_labels, &QListWidget::itemSelectionChanged, this, &PricePage::showPrices);
    m_grids->setEditedHandler([this](int dayClass, int count, const QString& text) {
        m_editor.setPrice(selectedRows(m_labels), dayClass, count, toStdString(text));
        showPrices();
    });
    connect(m_counts, &QCheckBox::toggled, this,
            [this](bool on) { m_editor.setContaBrindeDiaria(on); });

    auto* hint = new QLabel(
        QStringLiteral("Selecione um ou mais selos e edite os valores das diárias."), this);
    auto* left = new QVBoxLayout;
    left->addWidget(buddyLabel(QStringLiteral("Se&los:"), m_labels, this));
    left->addWidget(m_labels, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(
        buddyLabel(QStringLiteral("&Valores das diárias (R$) por número de fitas do selo:"),
                   m_grids->grid(1), this));
    right->addWidget(m_grids, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(body, 1);
    layout->addWidget(m_counts);
}

void PricePage::refresh()
{
    const auto chosen = selectedRows(m_labels);
    fillList(m_labels, m_editor.labelNames(), chosen.empty() ? 0 : chosen.front());
    {
        const QSignalBlocker quiet(m_labels);
        for (const int row : chosen) {
            if (row < m_labels->count()) {
                m_labels->item(row)->setSelected(true);
            }
        }
        if (selectedRows(m_labels).empty() && m_labels->count() > 0) {
            m_labels->item(0)->setSelected(true);
        }
    }
    const QSignalBlocker quiet(m_counts);
    m_counts->setChecked(m_editor.settings().ContaBrindeDiaria);
    showPrices();
}

void PricePage::showPrices()
{
    const auto chosen = selectedRows(m_labels);
    m_grids->setEditable(!chosen.empty());
    m_grids->fill([&](int c, int n) { return toQString(m_editor.priceText(chosen, c, n)); },
                  [&](int c, int n) { return m_editor.pricesDiffer(chosen, c, n); });
}

TermPage::TermPage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    auto* modes = new QGroupBox(QStringLiteral("Calcular Prazos usando"), this);
    const char* names[] = {"optJuntos", "optPorSelo", "optPorMidia"};
    const QString captions[] = {QStringLiteral("&Soma total de unidades locáveis"),
                                QStringLiteral("Soma de unidades do mesmo Se&lo"),
                                QStringLiteral("Soma de unidades da mesma &Mídia")};
    auto* modeLayout = new QHBoxLayout(modes);
    for (int i = 0; i < 3; ++i) {
        m_modes[i] = new QRadioButton(captions[i], modes);
        setNamed(m_modes[i], names[i]);
        modeLayout->addWidget(m_modes[i]);
        connect(m_modes[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                setMode(i + 1);
            }
        });
    }
    modeLayout->addStretch();
    m_owners = namedList("lstTipo", this);
    m_owners->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_owners->setMaximumWidth(220);
    m_listCaption = new QLabel(this);
    m_grids = new DayClassGrids(QStringLiteral("FlexPrazos"), QStringLiteral("Dias"),
                                QStringLiteral("txtP"), false, this);
    m_counts =
        new QCheckBox(QStringLiteral("&Incluir Fitas de Brinde nos Cálculos de Prazos"), this);
    setNamed(m_counts, "chkContaBrindePrazo");
    connect(m_owners, &QListWidget::itemSelectionChanged, this, &TermPage::showTerms);
    m_grids->setEditedHandler([this](int dayClass, int count, const QString& text) {
        m_editor.setTerm(selectedRows(m_owners), dayClass, count, toStdString(text));
        showTerms();
    });
    connect(m_counts, &QCheckBox::toggled, this,
            [this](bool on) { m_editor.setContaBrindePrazo(on); });

    auto* left = new QVBoxLayout;
    left->addWidget(m_listCaption);
    left->addWidget(m_owners, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buddyLabel(QStringLiteral("Prazos de &Entrega (dias) por número de fitas:"),
                                m_grids->grid(1), this));
    right->addWidget(m_grids, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modes);
    layout->addLayout(body, 1);
    layout->addWidget(m_counts);
}

void TermPage::refresh()
{
    {
        const QSignalBlocker quiet(m_counts);
        m_counts->setChecked(m_editor.settings().ContaBrindePrazo);
    }
    const int tipo = m_editor.tipoPrazo();
    if (!m_modes[tipo - 1]->isChecked()) {
        m_modes[tipo - 1]->setChecked(true); // setMode follows
    } else {
        setMode(tipo);
    }
}

void TermPage::setMode(int tipo)
{
    m_editor.setTipoPrazo(tipo);
    const QString captions[] = {QStringLiteral("Juntos:"), QStringLiteral("Selo:"),
                                QStringLiteral("Mídia:")};
    m_listCaption->setText(captions[tipo - 1]);
    const auto lines = tipo == 2   ? m_editor.labelNames()
                       : tipo == 3 ? m_editor.mediaNames()
                                   : std::vector<std::string>{"Todas as fitas"};
    fillList(m_owners, lines, 0);
    m_owners->setEnabled(tipo != 1);
    {
        const QSignalBlocker quiet(m_owners);
        if (m_owners->count() > 0) {
            m_owners->item(0)->setSelected(true);
        }
    }
    showTerms();
}

void TermPage::showTerms()
{
    const auto chosen = selectedRows(m_owners);
    m_grids->setEditable(m_editor.tipoPrazo() == 1 || !chosen.empty());
    m_grids->fill([&](int c, int n) { return toQString(m_editor.termText(chosen, c, n)); },
                  [&](int c, int n) { return m_editor.termsDiffer(chosen, c, n); });
}

} // namespace tavolim::app
