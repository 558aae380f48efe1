#include "app/books/PeriodControls.h"

#include "app/counter/CounterControls.h"
#include "app/shell/QtConversions.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tavolim::app {
namespace {

constexpr core::PeriodLength kLengths[] = {core::PeriodLength::Day, core::PeriodLength::Week,
                                           core::PeriodLength::Month, core::PeriodLength::Quarter};

QListWidget* periodList(QWidget* parent, const char* name, int width)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setMinimumWidth(width);
    list->setMaximumHeight(list->fontMetrics().height() * 8);
    return list;
}

} // namespace

PeriodControls::PeriodControls(QWidget* parent) : QWidget(parent)
{
    auto* box = new QGroupBox(QStringLiteral("Período"), this);
    auto* group = new QButtonGroup(this);
    const char* names[] = {"optDia", "optSemana", "optMes", "optTrimestre"};
    const QString captions[] = {QStringLiteral("&Dia"), QStringLiteral("&Semana"),
                                QStringLiteral("&Mês"), QStringLiteral("&Trimestre")};
    auto* options = new QVBoxLayout(box);
    for (int i = 0; i < 4; ++i) {
        m_options[i] = namedOption(box, names[i], captions[i]);
        group->addButton(m_options[i], i);
        options->addWidget(m_options[i]);
    }
    options->addStretch();
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { emit lengthChosen(kLengths[id]); });

    m_label1 = new QLabel(this);
    m_label2 = new QLabel(this);
    const QFontMetrics metrics(font());
    m_list1 =
        periodList(this, "List1", metrics.horizontalAdvance(QStringLiteral("Mmm/00000")) + 40);
    m_list2 =
        periodList(this, "List2",
                   metrics.horizontalAdvance(QStringLiteral("De 00/00/0000 a 00/00/0000")) + 40);
    m_label1->setBuddy(m_list1);
    m_label2->setBuddy(m_list2);
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing && row >= 0) {
            emit list1Chosen(row);
        }
    });
    connect(m_list2, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing && row >= 0) {
            emit list2Chosen(row);
        }
    });

    auto* column1 = new QVBoxLayout;
    column1->addWidget(m_label1);
    column1->addWidget(m_list1);
    auto* column2 = new QVBoxLayout;
    column2->addWidget(m_label2);
    column2->addWidget(m_list2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addLayout(column1);
    layout->addLayout(column2, 1);
}

void PeriodControls::show(const core::PeriodChooser& periods)
{
    m_showing = true;
    for (int i = 0; i < 4; ++i) {
        m_options[i]->setChecked(kLengths[i] == periods.length());
    }
    m_label1->setText(toQString(periods.list1Label()));
    m_label2->setText(toQString(periods.list2Label()));
    m_list1->clear();
    for (const auto& text : periods.list1()) {
        m_list1->addItem(toQString(text));
    }
    m_list1->setCurrentRow(periods.list1Index());
    m_list2->clear();
    for (const auto& text : periods.list2()) {
        m_list2->addItem(toQString(text));
    }
    m_showing = false;
}

} // namespace tavolim::app
