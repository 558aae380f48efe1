#include "app/rules/LatePages.h"

#include "app/rules/DayClassGrids.h"
#include "app/shell/QtConversions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tavolim::app {

MessagePage::MessagePage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboTipoMsg"));
    m_kind->addItems(
        {QStringLiteral("Todos Juntos"), QStringLiteral("Por Selo"), QStringLiteral("Por Mídia")});
    m_owners = namedList("lstTipoMsg", this);
    m_owners->setMaximumWidth(220);
    m_grids = new DayClassGrids(QStringLiteral("FlexMsgs"), QStringLiteral("  Mensagem"),
                                QStringLiteral("txtM"), true, this);
    m_counts =
        new QCheckBox(QStringLiteral("&Incluir Fitas de Brinde nos Cálculos de Mensagens"), this);
    setNamed(m_counts, "chkContaBrindeMsg");
    connect(m_kind, &QComboBox::currentIndexChanged, this, &MessagePage::showOwners);
    connect(m_owners, &QListWidget::currentRowChanged, this, &MessagePage::showTexts);
    m_grids->setEditedHandler([this](int dayClass, int count, const QString& text) {
        m_editor.setPromotionText(owner(), m_owners->currentRow(), dayClass, count,
                                  toStdString(text));
        showTexts();
    });
    connect(m_counts, &QCheckBox::toggled, this,
            [this](bool on) { m_editor.setContaBrindeMsg(on); });

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(buddyLabel(QStringLiteral("&Contar por:"), m_kind, this));
    kindRow->addWidget(m_kind);
    kindRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(buddyLabel(QStringLiteral("Se&lo ou mídia:"), m_owners, this));
    left->addWidget(m_owners, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(
        buddyLabel(QStringLiteral("&Mensagens mostradas ao atingir o número de fitas:"),
                   m_grids->grid(1), this));
    right->addWidget(m_grids, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindRow);
    layout->addLayout(body, 1);
    layout->addWidget(m_counts);
}

core::TableOwner MessagePage::owner() const
{
    return static_cast<core::TableOwner>(m_kind->currentIndex());
}

void MessagePage::refresh()
{
    {
        const QSignalBlocker quiet(m_counts);
        m_counts->setChecked(m_editor.settings().ContaBrindeMsg);
    }
    showOwners();
}

void MessagePage::showOwners()
{
    const auto lines = owner() == core::TableOwner::Label ? m_editor.labelNames()
                       : owner() == core::TableOwner::Media
                           ? m_editor.mediaNames()
                           : std::vector<std::string>{"Todas as fitas"};
    fillList(m_owners, lines, std::max(0, m_owners->currentRow()));
    m_owners->setEnabled(owner() != core::TableOwner::General);
    showTexts();
}

void MessagePage::showTexts()
{
    const int index = m_owners->currentRow();
    m_grids->fill(
        [&](int c, int n) { return toQString(m_editor.promotionText(owner(), index, c, n)); });
}

LatePage::LatePage(core::RulesEditor& editor, QWidget* parent) : RulesPage(editor, parent)
{
    auto* charging = new QGroupBox(QStringLiteral("Cobrança de Fitas Atrasadas"), this);
    const char* names[] = {"optCobraPCadaDia", "optCobraPPrazoFit", "optCobraPPrazoAc",
                           "optCobraPReloca", "optCobraPNaoCobrar"};
    const QString captions[] = {
        QStringLiteral("Cobrar 1 diária por cada di&a atrasado."),
        QStringLiteral("Cobrar 1 diária por cada grupo de dias atrasados igual ao prazo da &fita."),
        QStringLiteral(
            "Cobrar 1 diária por cada grupo de dias atrasados igual ao prazo a&certado."),
        QStringLiteral("Relocar as fitas a&utomaticamente."),
        QStringLiteral("Não c&obrar."),
    };
    auto* chargingLayout = new QVBoxLayout(charging);
    for (int i = 0; i < 5; ++i) {
        m_modes[i] = new QRadioButton(captions[i], charging);
        setNamed(m_modes[i], names[i]);
        chargingLayout->addWidget(m_modes[i]);
        connect(m_modes[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on && !m_filling) {
                m_editor.setTipoCobraAtraso(i + 1);
            }
        });
    }
    m_saturday = new QCheckBox(QStringLiteral("Cobrar por &Sábados"), this);
    setNamed(m_saturday, "chkCobraSabado");
    m_sunday = new QCheckBox(QStringLiteral("Cobrar por Do&mingos e Feriados"), this);
    setNamed(m_sunday, "chkCobraDomingo");
    connect(m_saturday, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setCobraSabado(on);
        }
    });
    connect(m_sunday, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setCobraDomingo(on);
        }
    });

    auto* fine = new QGroupBox(this);
    m_fines = new QCheckBox(QStringLiteral("Cobrar Mu&lta por Atraso"), fine);
    setNamed(m_fines, "chkCobrarMulta");
    m_labels = namedList("lstSeloMulta", fine);
    m_value = namedBox("txtValorMulta", fine, 10);
    m_value->setText(QStringLiteral("0,50"));
    m_time = namedBox("txtTempoMulta", fine, 4);
    for (QLineEdit* box : {m_value, m_time}) {
        box->setMaximumWidth(80);
        box->setAlignment(Qt::AlignRight);
    }
    m_days = new QRadioButton(QStringLiteral("d&ia(s)"), fine);
    setNamed(m_days, "optMultaDias");
    m_hours = new QRadioButton(QStringLiteral("&hora(s)"), fine);
    setNamed(m_hours, "optMultaHoras");
    connect(m_fines, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setCobrarMulta(on);
        }
    });
    connect(m_labels, &QListWidget::currentRowChanged, this, &LatePage::showFine);
    connect(m_value, &QLineEdit::editingFinished, this, &LatePage::commitValue);
    connect(m_time, &QLineEdit::editingFinished, this, &LatePage::commitTime);
    connect(m_hours, &QRadioButton::toggled, this, [this](bool on) {
        if (!m_filling) {
            m_editor.setFineInHours(m_labels->currentRow(), on);
        }
    });

    auto* fineLayout = new QGridLayout(fine);
    fineLayout->addWidget(m_fines, 0, 0, 1, 4);
    fineLayout->addWidget(buddyLabel(QStringLiteral("S&elo :"), m_labels, fine), 1, 0,
                          Qt::AlignTop);
    fineLayout->addWidget(m_labels, 1, 1, 3, 1);
    fineLayout->addWidget(buddyLabel(QStringLiteral("&Valor = R$"), m_value, fine), 1, 2);
    fineLayout->addWidget(m_value, 1, 3);
    fineLayout->addWidget(buddyLabel(QStringLiteral("a cada"), m_time, fine), 2, 2);
    auto* period = new QHBoxLayout;
    period->addWidget(m_time);
    period->addWidget(m_days);
    period->addWidget(m_hours);
    period->addStretch();
    fineLayout->addLayout(period, 2, 3);
    fineLayout->addWidget(new QLabel(QStringLiteral("Tempo 0: o selo não tem multa."), fine), 3, 2,
                          1, 2, Qt::AlignTop);
    fineLayout->setColumnStretch(1, 1);
    fineLayout->setColumnStretch(3, 1);

    auto* days = new QHBoxLayout;
    days->addWidget(m_saturday);
    days->addWidget(m_sunday);
    days->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(charging);
    layout->addLayout(days);
    layout->addWidget(fine, 1);
}

void LatePage::refresh()
{
    m_filling = true;
    const auto& s = m_editor.settings();
    m_modes[s.TipoCobraAtraso - 1]->setChecked(true);
    m_saturday->setChecked(m_editor.cobraSabado());
    m_sunday->setChecked(m_editor.cobraDomingo());
    m_fines->setChecked(s.CobrarMulta);
    fillList(m_labels, m_editor.labelNames(), std::max(0, m_labels->currentRow()));
    m_filling = false;
    showFine();
}

void LatePage::showFine()
{
    const int row = m_labels->currentRow();
    m_filling = true;
    m_value->setText(toQString(m_editor.fineValueText(row)));
    m_time->setText(toQString(m_editor.fineTimeText(row)));
    (m_editor.fineInHours(row) ? m_hours : m_days)->setChecked(true);
    m_filling = false;
}

bool LatePage::commitValue()
{
    const int row = m_labels->currentRow();
    if (m_filling || row < 0 || m_value->text() == toQString(m_editor.fineValueText(row))) {
        return true;
    }
    const bool taken = m_editor.setFineValue(row, toStdString(m_value->text()));
    m_value->setText(toQString(m_editor.fineValueText(row)));
    if (!taken) {
        m_value->setFocus();
        m_value->selectAll();
    }
    return taken;
}

bool LatePage::commitTime()
{
    const int row = m_labels->currentRow();
    if (m_filling || row < 0 || m_time->text() == toQString(m_editor.fineTimeText(row))) {
        return true;
    }
    const bool taken = m_editor.setFineTime(row, toStdString(m_time->text()));
    m_time->setText(toQString(m_editor.fineTimeText(row)));
    if (!taken) {
        m_time->setFocus();
        m_time->selectAll();
    }
    return taken;
}

bool LatePage::commit()
{
    return commitValue() && commitTime();
}

void LatePage::showProblem(const core::RulesProblem& problem)
{
    m_labels->setCurrentRow(problem.index);
    m_value->setFocus();
    m_value->selectAll();
}

} // namespace tavolim::app
