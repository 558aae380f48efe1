#include "app/rules/FreebiePage.h"

#include "app/shell/QtConversions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {

FreebiePage::FreebiePage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    m_days = new QTabBar(this);
    m_days->setObjectName(QStringLiteral("SSTab1"));
    for (const char* day : {"Dom-&Qui", "Se&xta-feira", "Sábad&o"}) {
        m_days->addTab(QString::fromUtf8(day));
    }
    m_days->setExpanding(false);
    connect(m_days, &QTabBar::currentChanged, this, &FreebiePage::showRules);

    m_every = namedBox("txtNFitasBrd", this, 2);
    m_units = namedBox("txtNBrindes", this, 2);
    m_upTo = namedBox("txtNMaxBrd", this, 2);
    for (QLineEdit* box : {m_every, m_units, m_upTo}) {
        box->setMaximumWidth(50);
        box->setAlignment(Qt::AlignRight);
    }
    m_every->setText(QStringLiteral("1"));
    m_units->setText(QStringLiteral("1"));
    m_upTo->setPlaceholderText(QStringLiteral("—"));
    m_upTo->setToolTip(
        QStringLiteral("Deixe em branco para dar o brinde só uma vez; com um número, "
                       "a regra se repete a cada tantas fitas até ele."));
    m_counted = kindChoice("cboTipoB1", "lstQualifB1");
    m_granted = kindChoice("cboTipoB2", "lstQualifB2");

    auto* addButton = namedButton("cmdAdicBrinde", QStringLiteral("&Adicionar >"), this);
    auto* removeButton = namedButton("cmdRemBrinde", QStringLiteral("Remo&ver"), this);
    auto* copyButton =
        namedButton("cmdCopiarBrinde", QStringLiteral("Cop&iar para os outros dias"), this);
    connect(addButton, &QPushButton::clicked, this, &FreebiePage::add);
    connect(removeButton, &QPushButton::clicked, this, [this] {
        const int row = m_rules->currentRow();
        if (row >= 0 && row < static_cast<int>(m_shown.size())) {
            m_editor.removeFreebieRule(dayClass(), m_shown[static_cast<std::size_t>(row)]);
            showRules();
        }
    });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        m_editor.copyFreebieRules(dayClass());
        showRules();
    });

    m_rules = new QTableWidget(0, 6, this);
    m_rules->setObjectName(QStringLiteral("FlexBrindes"));
    m_rules->setHorizontalHeaderLabels({QStringLiteral("N°"), QStringLiteral("Descrição"),
                                        QStringLiteral("N°Máx."), QStringLiteral("N°Fitas"),
                                        QStringLiteral("N°Brindes"), QStringLiteral("Exceção")});
    m_rules->verticalHeader()->hide();
    m_rules->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rules->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rules->setTabKeyNavigation(false);
    auto* header = m_rules->horizontalHeader();
    for (int c : {0, 2, 3, 4}) {
        header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(5, QHeaderView::Stretch);

    auto* when = new QGroupBox(QStringLiteral("Ao atingir o número de fitas"), this);
    m_auto = new QRadioButton(QStringLiteral("Inclusão A&utomática"), when);
    setNamed(m_auto, "optBrindeAuto");
    m_messageOnly = new QRadioButton(QStringLiteral("Só &Mostrar Mensagem"), when);
    setNamed(m_messageOnly, "optBrindeSoMsg");
    connect(m_auto, &QRadioButton::toggled, this, [this](bool on) { m_editor.setBrindeAuto(on); });
    auto* whenLayout = new QHBoxLayout(when);
    whenLayout->addWidget(m_auto);
    whenLayout->addWidget(m_messageOnly);
    whenLayout->addStretch();

    auto* counted = new QGroupBox(QStringLiteral("Fitas contadas"), this);
    auto* countedLayout = new QGridLayout(counted);
    countedLayout->addWidget(buddyLabel(QStringLiteral("A &cada"), m_every, counted), 0, 0);
    countedLayout->addWidget(m_every, 0, 1);
    countedLayout->addWidget(m_counted.kind, 0, 2);
    countedLayout->addWidget(m_counted.qualifier, 1, 0, 1, 3);
    countedLayout->addWidget(buddyLabel(QStringLiteral("re&petindo até"), m_upTo, counted), 2, 0);
    countedLayout->addWidget(m_upTo, 2, 1);
    countedLayout->addWidget(new QLabel(QStringLiteral("fitas"), counted), 2, 2);
    auto* granted = new QGroupBox(QStringLiteral("Brindes"), this);
    auto* grantedLayout = new QGridLayout(granted);
    grantedLayout->addWidget(buddyLabel(QStringLiteral("gan&ha"), m_units, granted), 0, 0);
    grantedLayout->addWidget(m_units, 0, 1);
    grantedLayout->addWidget(m_granted.kind, 0, 2);
    grantedLayout->addWidget(m_granted.qualifier, 1, 0, 1, 3);
    // Rows level with the counted side's.
    grantedLayout->setRowStretch(2, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addWidget(copyButton);
    buttons->addStretch();
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(counted, 1);
    inputs->addWidget(granted, 1);
    inputs->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_days);
    layout->addLayout(inputs);
    layout->addWidget(buddyLabel(QStringLiteral("Regra&s de brinde deste dia:"), m_rules, this));
    layout->addWidget(m_rules, 1);
    layout->addWidget(when);
}

FreebiePage::KindChoice FreebiePage::kindChoice(const char* combo, const char* list)
{
    KindChoice choice{new QComboBox(this), namedList(list, this)};
    choice.kind->setObjectName(QString::fromUtf8(combo));
    choice.kind->addItems(
        {QStringLiteral("Qualquer"), QStringLiteral("Selo"), QStringLiteral("Mídia")});
    choice.qualifier->setMaximumHeight(90);
    connect(choice.kind, &QComboBox::currentIndexChanged, this,
            [this, choice] { showQualifiers(choice); });
    return choice;
}

core::FreebieKind FreebiePage::kindOf(const KindChoice& choice)
{
    return static_cast<core::FreebieKind>(choice.kind->currentIndex() + 1);
}

void FreebiePage::showQualifiers(const KindChoice& choice)
{
    const auto kind = kindOf(choice);
    const auto lines = kind == core::FreebieKind::Label   ? m_editor.labelNames()
                       : kind == core::FreebieKind::Media ? m_editor.mediaNames()
                                                          : std::vector<std::string>{};
    fillList(choice.qualifier, lines, std::max(0, choice.qualifier->currentRow()));
    choice.qualifier->setEnabled(!lines.empty());
}

int FreebiePage::dayClass() const
{
    return m_days->currentIndex() + 1;
}

void FreebiePage::add()
{
    const auto index = [](const KindChoice& c) {
        return c.qualifier->currentItem() && c.qualifier->currentItem()->isSelected()
                   ? c.qualifier->currentRow()
                   : -1;
    };
    const core::RulesEditor::NewFreebie rule{kindOf(m_counted),
                                             index(m_counted),
                                             toStdString(m_every->text()),
                                             toStdString(m_upTo->text()),
                                             toStdString(m_units->text()),
                                             kindOf(m_granted),
                                             index(m_granted)};
    if (m_editor.addFreebieRule(dayClass(), rule)) {
        showRules();
        m_every->setFocus();
        m_every->selectAll();
    }
}

void FreebiePage::showRules()
{
    m_shown = m_editor.freebieRules(dayClass());
    m_rules->setRowCount(static_cast<int>(m_shown.size()));
    for (std::size_t i = 0; i < m_shown.size(); ++i) {
        const auto row = m_editor.freebieRow(i, m_shown[i]);
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(toQString(row[static_cast<std::size_t>(c)]));
            if (c != 1 && c != 5) {
                item->setTextAlignment(Qt::AlignCenter);
            }
            m_rules->setItem(static_cast<int>(i), c, item);
        }
    }
}

void FreebiePage::refresh()
{
    showQualifiers(m_counted);
    showQualifiers(m_granted);
    {
        const QSignalBlocker quietAuto(m_auto);
        const QSignalBlocker quietMessage(m_messageOnly);
        (m_editor.brindeAuto() ? m_auto : m_messageOnly)->setChecked(true);
    }
    showRules();
}

} // namespace tavolim::app
