#include "app/counter/CounterControls.h"

#include "core/counter/PaymentChoice.h"

#include "app/shell/QtConversions.h"
#include "core/store/Money.h"
#include "core/store/TextHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
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
namespace {

constexpr const char* kChosenProperty = "escolhidoPeloOperador";

} // namespace

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

QString moneyText(core::Money value)
{
    return QStringLiteral("R$ ") + toQString(core::formatMoney(value));
}

QFont bigFont(QFont font)
{
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    return font;
}

QHBoxLayout* clientRow(QWidget* parent, const QString& name)
{
    auto* nome = new QLabel(name, parent);
    nome->setObjectName(QStringLiteral("lblNome"));
    QFont bold = nome->font();
    bold.setBold(true);
    nome->setFont(bold);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Cliente:"), parent));
    row->addWidget(nome, 1);
    return row;
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

void PaymentBox::copyTo(core::PaymentChoice& choice) const
{
    using Option = core::PaymentChoice::Option;
    choice.option = pagouParte->isChecked()             ? Option::PagouParte
                    : naoPagou && naoPagou->isChecked() ? Option::NaoPagou
                                                        : Option::PagouTudo;
    choice.txtValorPago = toStdString(valorPago->text());
}

void PaymentBox::suggestNoCash(bool noCash) const
{
    if (!box->property(kChosenProperty).toBool()) {
        (noCash && naoPagou ? naoPagou : pagouTudo)->setChecked(true);
    }
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
    // Once the operator picks an option, the window no longer suggests one.
    QObject::connect(group, &QButtonGroup::buttonClicked, p.box,
                     [box = p.box] { box->setProperty(kChosenProperty, true); });
    QObject::connect(p.valorPago, &QLineEdit::textEdited, p.box,
                     [box = p.box] { box->setProperty(kChosenProperty, true); });
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

QCheckBox* printBox(QWidget* parent, bool checked)
{
    auto* box = new QCheckBox(QStringLiteral("&Imprimir recibo"), parent);
    box->setObjectName(QStringLiteral("chkImprimir"));
    box->setChecked(checked);
    return box;
}

QHBoxLayout* paymentFoot(const PaymentBox& payment, QCheckBox* print, QDialogButtonBox* buttons)
{
    buttons->setOrientation(Qt::Vertical);
    auto* closing = new QVBoxLayout;
    closing->addWidget(print);
    closing->addStretch(1);
    closing->addWidget(buttons);
    auto* foot = new QHBoxLayout;
    foot->addWidget(payment.box, 1);
    foot->addSpacing(12);
    foot->addLayout(closing);
    return foot;
}

void editCurrentCell(QTableWidget* grid)
{
    QTableWidgetItem* item = grid->currentItem();
    if (item && (item->flags() & Qt::ItemIsEditable)) {
        grid->editItem(item);
    }
}

} // namespace tavolim::app
