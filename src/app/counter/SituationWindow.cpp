#include "app/counter/SituationWindow.h"

#include "app/books/HistoryWindow.h"
#include "app/counter/CounterControls.h"
#include "app/counter/ReservationsWindow.h"
#include "app/registers/PersonRegister.h"
#include "app/registers/SearchWindow.h"
#include "app/shell/QtConversions.h"
#include "core/counter/AccountMove.h"
#include "core/counter/SituationPrintout.h"
#include "core/counter/TapeReservation.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/registers/FamilyRules.h"
#include "core/reports/PersonHistoryView.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/store/DependentRecord.h"
#include "core/store/PersonLookup.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <chrono>

namespace tavolim::app {
namespace {

using core::FileKind;

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

constexpr int kDescription = 1;
constexpr int kLateFines = 7;

} // namespace

SituationWindow::SituationWindow(core::AppState& state, core::PersonRef person,
                                 CounterOpeners openers, QWidget* parent)
    : QDialog(parent), m_state(state), m_openers(std::move(openers)),
      m_clicks(state.ports().dialogs)
{
    setObjectName(QStringLiteral("frmSitua_o"));
    setWindowTitle(QStringLiteral("Situação do Cliente"));
    buildLayout();
    showPerson(person);
    if (m_rental->isEnabled()) {
        m_rental->setFocus();
    } else {
        m_ok->setFocus();
    }
}

QLineEdit* SituationWindow::field(const char* name)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

void SituationWindow::buildLayout()
{
    m_nome = field("txtNome");
    m_nome->setMinimumWidth(300);
    QFont bold = m_nome->font();
    bold.setBold(true);
    m_nome->setFont(bold);
    m_numInsc = field("txtNumInsc");
    m_totalLocacoes = field("txtTotalLoca_es");
    m_ultimaLocacao = field("txtUltimaLoca_o");
    m_ultPgto = field("txtUltPgto");
    m_fitasEmCasa = field("txtNumeroFitasEmCasa");
    for (QLineEdit* small : {m_numInsc, m_totalLocacoes, m_fitasEmCasa}) {
        small->setMaximumWidth(70);
    }
    for (QLineEdit* medium : {m_ultimaLocacao, m_ultPgto}) {
        medium->setMaximumWidth(100);
    }
    for (QLineEdit* number : {m_numInsc, m_totalLocacoes, m_fitasEmCasa, m_ultPgto}) {
        number->setAlignment(Qt::AlignRight);
    }
    m_observacoes = new QPlainTextEdit(this);
    m_observacoes->setObjectName(QStringLiteral("txtObserva_es"));
    m_observacoes->setReadOnly(true);
    m_observacoes->setMaximumHeight(m_observacoes->fontMetrics().lineSpacing() * 3 + 12);
    m_observacoes->setTabChangesFocus(true);

    m_birthdays = new QLabel(this);
    m_birthdays->setObjectName(QStringLiteral("lblAniversario"));
    m_birthdays->setStyleSheet(QStringLiteral("color: #0000c0; font-weight: bold;"));

    auto* person = new QGridLayout;
    person->addWidget(new QLabel(QStringLiteral("Nome:"), this), 0, 0);
    person->addWidget(m_nome, 0, 1, 1, 3);
    m_numInscCaption = new QLabel(QStringLiteral("Nº Inscrição:"), this);
    m_numInscCaption->setObjectName(QStringLiteral("lblNumInsc"));
    person->addWidget(m_numInscCaption, 0, 4);
    person->addWidget(m_numInsc, 0, 5);
    person->addWidget(new QLabel(QStringLiteral("Total de Locações:"), this), 1, 0);
    person->addWidget(m_totalLocacoes, 1, 1);
    person->addWidget(new QLabel(QStringLiteral("Última Locação:"), this), 1, 2);
    person->addWidget(m_ultimaLocacao, 1, 3);
    person->addWidget(new QLabel(QStringLiteral("Fitas em Casa:"), this), 1, 4);
    person->addWidget(m_fitasEmCasa, 1, 5);
    person->addWidget(new QLabel(QStringLiteral("Último Pagamento:"), this), 2, 0);
    person->addWidget(m_ultPgto, 2, 1);
    person->addWidget(m_birthdays, 2, 2, 1, 4);
    person->addWidget(new QLabel(QStringLiteral("Observações:"), this), 3, 0, Qt::AlignTop);
    person->addWidget(m_observacoes, 3, 1, 1, 5);
    person->setColumnStretch(3, 1);

    m_family = new QListWidget(this);
    m_family->setObjectName(QStringLiteral("lstClientes"));
    m_family->setMinimumWidth(240);
    m_family->setMaximumHeight(120);
    auto* familyTitle = new QLabel(QStringLiteral("Clientes relacion&ados:"), this);
    familyTitle->setBuddy(m_family);
    m_familyState = new QLabel(this);
    m_familyState->setObjectName(QStringLiteral("lblSitClientesRel"));
    m_familyState->setWordWrap(true);
    connect(m_family, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { familyClicked(m_family->row(item)); });
    connect(m_family, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { familyClicked(m_family->row(item)); });
    auto* family = new QVBoxLayout;
    family->addWidget(familyTitle);
    family->addWidget(m_family);
    family->addWidget(m_familyState);

    auto* top = new QHBoxLayout;
    top->addLayout(person, 3);
    top->addLayout(family, 2);

    QStringList headers;
    for (const auto& column : core::kSituationColumns) {
        headers << toQString(column);
    }
    m_grid = makeCounterGrid(this, headers, kDescription);
    m_grid->setMinimumHeight(220);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    connect(m_grid, &QTableWidget::cellClicked, this, &SituationWindow::cellClicked);
    auto* gridTitle = new QLabel(QStringLiteral("Fi&tas em casa:"), this);
    gridTitle->setBuddy(m_grid);

    m_balanceCaption = new QLabel(this);
    m_balanceCaption->setObjectName(QStringLiteral("lblSaldo"));
    m_balance = amountLabel(this, "lblValorSaldo");
    m_balance->setMinimumWidth(110);
    m_balance->setFont(bigFont(m_balance->font()));
    m_balanceCaption->setFont(m_balance->font());

    m_rental = namedButton(this, "cmdLoca_o", QStringLiteral("&Locação"));
    m_return = namedButton(this, "cmdDevolu_o", QStringLiteral("&Devolução"));
    m_payment = namedButton(this, "cmdPagamento", QStringLiteral("&Pagamento"));
    m_sale = namedButton(this, "cmdVenda", QStringLiteral("&Venda"));
    m_register = namedButton(this, "cmdDadosGerais", QStringLiteral("Dados &Gerais"));
    m_credit = namedButton(this, "cmdCredito", QStringLiteral("&Crédito"));
    m_debit = namedButton(this, "cmdDebito", QStringLiteral("Dé&bito"));
    m_tapeHistory = namedButton(this, "cmdHistFita", QStringLiteral("Hist. &Fitas"));
    m_productHistory = namedButton(this, "cmdHistProd", QStringLiteral("&Hist. Produtos"));
    m_reserve = namedButton(this, "cmdReserva", QStringLiteral("&Reservar"));
    m_print = namedButton(this, "cmdImprimir", QStringLiteral("&Imprimir"));
    m_search = namedButton(this, "cmdProcurar", QStringLiteral("Proc&urar"));
    m_first = namedButton(this, "cmdPrimeiroCliente", QStringLiteral("|<"));
    m_previous = namedButton(this, "cmdClienteAnterior", QStringLiteral("<"));
    m_next = namedButton(this, "cmdProxCliente", QStringLiteral(">"));
    m_last = namedButton(this, "cmdUltimoCliente", QStringLiteral(">|"));
    m_ok = namedButton(this, "cmdOK", QStringLiteral("OK"));
    m_cancel = namedButton(this, "cmdCancelar", QStringLiteral("Cancelar"));
    m_first->setToolTip(QStringLiteral("Primeiro cliente (Ctrl+Home)"));
    m_previous->setToolTip(QStringLiteral("Cliente anterior (Ctrl+PgUp)"));
    m_next->setToolTip(QStringLiteral("Próximo cliente (Ctrl+PgDown)"));
    m_last->setToolTip(QStringLiteral("Último cliente (Ctrl+End)"));
    m_first->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
    m_previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    m_next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    m_last->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    for (QPushButton* nav : {m_first, m_previous, m_next, m_last}) {
        nav->setMaximumWidth(40);
        nav->setAutoDefault(false);
    }

    connect(m_rental, &QPushButton::clicked, this, [this] { rent(0); });
    connect(m_return, &QPushButton::clicked, this, &SituationWindow::giveBack);
    connect(m_payment, &QPushButton::clicked, this, &SituationWindow::pay);
    connect(m_sale, &QPushButton::clicked, this, [this] {
        if (m_openers.sale) {
            afterOperation(m_openers.sale(m_state, m_situation, this));
        }
    });
    connect(m_register, &QPushButton::clicked, this, &SituationWindow::openRegister);
    connect(m_credit, &QPushButton::clicked, this, [this] {
        afterOperation(
            core::askAccountMove(m_state, m_situation.person, core::AccountMoveKind::Credit));
    });
    connect(m_debit, &QPushButton::clicked, this, [this] {
        afterOperation(
            core::askAccountMove(m_state, m_situation.person, core::AccountMoveKind::Debit));
    });
    connect(m_tapeHistory, &QPushButton::clicked, this, [this] { showHistory(true); });
    connect(m_productHistory, &QPushButton::clicked, this, [this] { showHistory(false); });
    connect(m_reserve, &QPushButton::clicked, this, &SituationWindow::reserve);
    connect(m_print, &QPushButton::clicked, this,
            [this] { core::printSituation(m_state, m_situation); });
    connect(m_search, &QPushButton::clicked, this, &SituationWindow::search);
    connect(m_first, &QPushButton::clicked, this, [this] { move(core::ClientMove::First); });
    connect(m_previous, &QPushButton::clicked, this, [this] { move(core::ClientMove::Previous); });
    connect(m_next, &QPushButton::clicked, this, [this] { move(core::ClientMove::Next); });
    connect(m_last, &QPushButton::clicked, this, [this] { move(core::ClientMove::Last); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* balance = new QHBoxLayout;
    balance->addWidget(gridTitle);
    balance->addStretch();
    balance->addWidget(m_balanceCaption);
    balance->addWidget(m_balance);

    auto* operations = new QHBoxLayout;
    for (QPushButton* b : {m_rental, m_return, m_payment, m_sale, m_credit, m_debit, m_reserve}) {
        operations->addWidget(b);
    }
    operations->addStretch();
    auto* others = new QHBoxLayout;
    for (QPushButton* b : {m_register, m_tapeHistory, m_productHistory, m_print, m_search}) {
        others->addWidget(b);
    }
    others->addSpacing(12);
    for (QPushButton* b : {m_first, m_previous, m_next, m_last}) {
        others->addWidget(b);
    }
    others->addStretch();
    others->addWidget(m_ok);
    others->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(balance);
    layout->addWidget(m_grid, 1);
    layout->addLayout(operations);
    layout->addLayout(others);
    resize(900, 600);

    QWidget* order[] = {m_rental,  m_return,   m_payment,     m_sale,           m_credit, m_debit,
                        m_reserve, m_register, m_tapeHistory, m_productHistory, m_print,  m_search,
                        m_first,   m_previous, m_next,        m_last,           m_ok,     m_cancel,
                        m_family,  m_grid,     m_observacoes};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void SituationWindow::showPerson(core::PersonRef person)
{
    m_situation = core::showSituation(m_state, person);
    fill();
}

void SituationWindow::fill()
{
    const core::Situation& s = m_situation;
    m_nome->setText(toQString(s.txtNome));
    // Dependents go by their family's number, the one typed to find them.
    m_numInscCaption->setText(QString::fromUtf8(core::inscriptionCaption(s.person.titular)));
    m_numInsc->setText(s.person.titular ? toQString(s.txtNumInsc)
                                        : QString::number(core::inscriptionNumber(
                                              m_state.records(), s.person.code, false)));
    m_totalLocacoes->setText(toQString(s.txtTotalLoca_es));
    m_ultimaLocacao->setText(toQString(s.txtUltimaLoca_o));
    m_ultPgto->setText(toQString(s.txtUltPgto));
    m_fitasEmCasa->setText(toQString(s.txtNumeroFitasEmCasa));
    m_observacoes->setPlainText(toQString(s.txtObserva_es));

    QStringList birthdays;
    for (const auto& text : s.birthdays) {
        birthdays << toQString(text);
    }
    m_birthdays->setText(birthdays.join(QLatin1Char('\n')));
    m_birthdays->setVisible(!birthdays.isEmpty());

    fillGrid();

    m_balanceCaption->setText(toQString(s.balanceCaption()));
    m_balance->setText(toQString(core::formatMoney(s.balanceAmount())));
    m_balance->setStyleSheet(s.owes() ? QStringLiteral("color: #c00000;")
                                      : QStringLiteral("color: #006000;"));

    m_family->clear();
    for (const auto& related : s.lstClientes) {
        auto* item = new QListWidgetItem(toQString(related.text), m_family);
        if (related.person == s.person) {
            m_family->setCurrentItem(item);
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    m_familyState->setText(toQString(s.lblSitClientesRel));
    m_familyState->setStyleSheet(s.lblSitClientesRelRed ? QStringLiteral("color: red;")
                                                        : QString());
    enableButtons();
}

void SituationWindow::fillGrid()
{
    const core::Situation& s = m_situation;
    m_grid->setRowCount(static_cast<int>(s.lines.size()));
    for (std::size_t row = 0; row < s.lines.size(); ++row) {
        const bool total = row >= s.tapes.size();
        for (std::size_t column = 0; column < s.lines[row].size(); ++column) {
            auto* item = new QTableWidgetItem(toQString(s.lines[row][column]));
            // Numbers line up on the right; titles and the total labels read from the left.
            if (column != kDescription) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (total) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(palette().alternateBase());
            }
            m_grid->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
}

void SituationWindow::enableButtons()
{
    const core::Situation& s = m_situation;
    const bool person = !s.deleted;
    m_rental->setEnabled(person && bool(m_openers.rental));
    m_return->setEnabled(!s.tapes.empty() && bool(m_openers.giveBack));
    m_payment->setEnabled(person && s.owes() && bool(m_openers.payment));
    m_sale->setEnabled(person && bool(m_openers.sale));
    m_credit->setEnabled(person);
    m_debit->setEnabled(person);
    m_reserve->setEnabled(person);
    // The person's register is the "Cadastro de Clientes" access row's.
    const bool mayRegister =
        core::mayUse(m_state.records().rules(), m_state.OperadorAtual, core::kRowClientes);
    m_register->setEnabled(mayRegister);
    m_register->setToolTip(mayRegister ? QString()
                                       : QStringLiteral("O seu nível de acesso não abre o "
                                                        "cadastro de clientes."));
}

void SituationWindow::afterOperation(bool wrote)
{
    if (wrote) {
        refresh();
    }
}

void SituationWindow::rent(std::int16_t tape)
{
    if (m_openers.rental) {
        afterOperation(
            m_openers.rental(m_state, m_situation.person, m_situation.totalFitas, this, tape));
    }
}

void SituationWindow::giveBack()
{
    if (m_openers.giveBack && !m_situation.tapes.empty()) {
        afterOperation(m_openers.giveBack(m_state, m_situation, this));
    }
}

void SituationWindow::giveBackTape(std::int16_t tape)
{
    if (!m_openers.quickReturn) {
        giveBack();
        return;
    }
    if (!m_situation.tapes.empty()) {
        afterOperation(m_openers.quickReturn(m_state, m_situation, tape, this));
    }
}

void SituationWindow::pay()
{
    if (m_openers.payment && m_situation.owes()) {
        afterOperation(
            m_openers.payment(m_state, m_situation.person, m_situation.valorDevido, this));
    }
}

void SituationWindow::openRegister()
{
    openPersonRegister(m_state, m_situation.person, this);
    // The register may have renamed the person or moved money; show what is on file.
    refresh();
}

void SituationWindow::showHistory(bool tapes)
{
    showPersonHistory(m_state, m_situation.person,
                      tapes ? core::HistoryKind::Rentals : core::HistoryKind::Purchases, this);
}

void SituationWindow::reserve()
{
    std::optional<std::int16_t> tape;
    if (const auto hit = searchRecord(m_state, this, core::SearchMode::Tapes)) {
        tape = static_cast<std::int16_t>(hit->number);
    }
    const auto outcome =
        core::reserveTape(m_state, m_situation.person, tape, [this](core::ReservationList& list) {
            return showReservations(list, this);
        });
    if (outcome == core::ReserveOutcome::Rent) {
        rent(tape.value_or(0));
    } else if (outcome == core::ReserveOutcome::Reserved) {
        refresh();
    }
}

void SituationWindow::search()
{
    const auto hit = searchRecord(m_state, this, core::SearchMode::Clients);
    if (hit) {
        showPerson({static_cast<std::int16_t>(hit->number), hit->kind == FileKind::Clients});
    }
}

void SituationWindow::move(core::ClientMove move)
{
    const std::int16_t from = core::holderOf(m_state.records(), m_situation.person);
    if (const auto code = core::moveClient(m_state.records(), move, from)) {
        showPerson({*code, true});
    }
}

void SituationWindow::familyClicked(int row)
{
    if (row < 0) {
        return;
    }
    const auto person = m_clicks.click(m_situation, static_cast<std::size_t>(row), steadyNow());
    if (person) {
        showPerson(*person);
    } else {
        // The list keeps pointing at the person shown.
        fill();
    }
}

void SituationWindow::cellClicked(int row, int column)
{
    if (row < 0 || column < 0) {
        return;
    }
    const auto detail =
        core::cellDetail(m_situation.tapes, static_cast<std::size_t>(row),
                         static_cast<std::size_t>(column), m_state.options().TipoCobraAtraso == 4);
    if (detail) {
        m_state.ports().dialogs.message(detail->text, core::msg::Information, detail->title);
    }
}

void openSituation(core::AppState& state, core::PersonRef person, QWidget* parent,
                   const CounterOpeners& openers)
{
    SituationWindow window(state, person, openers, parent);
    window.exec();
}

void startOperations(core::AppState& state, QWidget* parent, const CounterOpeners& openers)
{
    core::checkDateChange(state);
    const auto hit = searchRecord(state, parent, core::SearchMode::Operations);
    if (hit) {
        openSituation(state,
                      {static_cast<std::int16_t>(hit->number), hit->kind == FileKind::Clients},
                      parent, openers);
    }
}

void returnTapeFromMenu(core::AppState& state, QWidget* parent, const CounterOpeners& openers)
{
    core::checkDateChange(state);
    const auto hit = searchRecord(state, parent, core::SearchMode::ReturnTape);
    if (!hit) {
        return;
    }
    const auto code = static_cast<std::int16_t>(hit->number);
    const auto tape = state.records().load<core::TapeRecord>(code);
    SituationWindow window(state, {tape.ClienteFita, tape.ClienteTitular}, openers, parent);
    window.show();
    window.giveBackTape(code);
    window.exec();
}

} // namespace tavolim::app
