#include "app/counter/CounterControls.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavolim::app {

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QRadioButton* namedOption(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* amountLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    return label;
}

QTableWidget* makeCounterGrid(QWidget* parent, const QStringList& columns, int stretch)
{
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    grid->setObjectName(QStringLiteral("FlexGrid1"));
    grid->setHorizontalHeaderLabels(columns);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    auto* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(stretch, QHeaderView::Stretch);
    return grid;
}

PaymentBox makePaymentBox(QWidget* parent, bool canPayNothing)
{
    PaymentBox p;
    p.box = new QGroupBox(QStringLiteral("Pagamento"), parent);
    p.pagouTudo = namedOption(p.box, "optPagouTudo", {});
    p.pagouTudo->setChecked(true);
    p.pagouParte = namedOption(p.box, "optPagouParte", QStringLiteral("Pagou &Parte:"));
    p.valorPago = new QLineEdit(p.box);
    p.valorPago->setObjectName(QStringLiteral("txtValorPago"));
    p.valorPago->setMaximumWidth(100);
    auto* group = new QButtonGroup(p.box);
    group->addButton(p.pagouTudo);
    group->addButton(p.pagouParte);
    QObject::connect(p.valorPago, &QLineEdit::textEdited, p.pagouParte,
                     [parte = p.pagouParte] { parte->setChecked(true); });
    QObject::connect(p.pagouParte, &QRadioButton::clicked, p.valorPago,
                     [box = p.valorPago] { box->setFocus(); });

    auto* parteRow = new QHBoxLayout;
    parteRow->addWidget(p.pagouParte);
    parteRow->addWidget(p.valorPago);
    parteRow->addStretch(1);
    auto* layout = new QVBoxLayout(p.box);
    layout->addWidget(p.pagouTudo);
    layout->addLayout(parteRow);
    if (canPayNothing) {
        p.naoPagou = namedOption(p.box, "optN_oPagou", QStringLiteral("&Não Pagou"));
        group->addButton(p.naoPagou);
        layout->addWidget(p.naoPagou);
    }
    return p;
}

} // namespace tavolim::app
