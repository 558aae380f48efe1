#include "core/counter/Rental.h"
#include "core/counter/PersonAccount.h"

#include "core/books/DayRoll.h"
#include "core/books/Histories.h"
#include "core/books/TapeBook.h"
#include "core/counter/ConfirmOperation.h"
#include "core/counter/ReservationPrompt.h"
#include "core/counter/TapeLookup.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/rules/RuleMessages.h"
#include "core/rules/StoreCalendar.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/PersonLookup.h"
#include "core/store/TapeRecord.h"
#include "core/store/TapeReservations.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cstdio>

namespace tavolim::core {
namespace {

constexpr int kRowPrice = 21;
constexpr int kRowTerm = 22;
constexpr int kRowFreebie = 23;
constexpr int kRowAmounts = 24;
constexpr int kMaxTermDays = 9999;

constexpr const char* kTooMany = "O máximo de fitas locadas por cliente é 15.";
constexpr const char* kBadCode = "O código da fita está incorreto.";
constexpr const char* kDeleted = "O registro desta fita foi excluído.";
constexpr const char* kBlankCells = "Os itens Prazo e Diária não podem ficar em branco.";

std::string code6(std::int32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06d", static_cast<int>(code));
    return text;
}

// The person's rental fields, on a client or a dependent record alike.
template <class Person>
void addRental(Person& p, const std::vector<RentalRow>& rows, std::int32_t today)
{
    p.TotalLocacoes = static_cast<std::int16_t>(p.TotalLocacoes + static_cast<int>(rows.size()));
    p.DataUltLocacao = today;
    for (const auto& row : rows) {
        const int at = std::clamp<int>(p.NumFitas, 0, Person::MaxTapes);
        if (at == Person::MaxTapes) {
            break;
        }
        p.Fitas[static_cast<std::size_t>(at)] = row.tape;
        p.NumFitas = static_cast<std::int16_t>(at + 1);
    }
}

} // namespace

RentalModel::RentalModel(AppState& state, PersonRef person, Money tapesAtHome)
    : m_state(state), m_person(person), m_tapesAtHome(tapesAtHome),
      m_pricing(state.records().rules(), RentalPricing::settingsOf(state), state.ports().dialogs)
{
    const PersonAccount account(state, person);
    account.withPerson([&](const auto& p) {
        m_atHome = p.tapeCount();
        m_regHistFita = p.RegHistFita;
        m_personName = joinFullName(p.PrimNome, p.SobreNome);
    });
    m_holder = holderOf(state.records(), person);
    m_balance = account.balance();
    chkImprimir = state.options().ImpNotaLoc != 0;
}

RentalModel::AddOutcome RentalModel::add()
{
    const std::string code = trim(txtCodFita);
    const std::string title = trim(txtNome);
    if (code.empty() && (title.empty() || title == m_shownTitle)) {
        return AddOutcome::Confirm;
    }
    auto& dialogs = m_state.ports().dialogs;
    if (static_cast<int>(rowCount()) + m_atHome >= MaxTapes) {
        dialogs.message(kTooMany, msg::Exclamation);
        return AddOutcome::NotAdded;
    }
    std::int16_t tape = 0;
    if (!code.empty()) {
        const auto number = tapeCodeFromText(m_state.records(), code);
        if (!number || *number < 1 || *number > m_state.records().recordCount(FileKind::Tapes)) {
            dialogs.message(kBadCode, msg::Exclamation);
            return AddOutcome::BadCode;
        }
        tape = static_cast<std::int16_t>(*number);
    } else {
        // The title box holds a title, even one like "1917".
        const auto hit = RecordSearch(m_state, SearchMode::Tapes).findName(title, chooseTape);
        if (!hit) {
            return AddOutcome::NotAdded;
        }
        tape = static_cast<std::int16_t>(hit->number);
    }
    if (!acceptTape(tape)) {
        return AddOutcome::NotAdded;
    }
    addRow(tape);
    txtCodFita.clear();
    txtNome = m_shownTitle = trim(m_names.back());
    return AddOutcome::Added;
}

bool RentalModel::acceptTape(std::int16_t code)
{
    auto& dialogs = m_state.ports().dialogs;
    const auto tape = m_state.records().load<TapeRecord>(code);
    if (isDeletedName(tape.Nome)) {
        dialogs.message(kDeleted, msg::Information);
        return false;
    }
    const auto& rows = m_pricing.rows();
    if (std::any_of(rows.begin(), rows.end(), [&](const auto& r) { return r.tape == code; })) {
        return false;
    }
    if (tape.isRented()) {
        offerReservation(m_state, code, m_person);
        return false;
    }
    if (m_state.options().VerifHist && m_regHistFita > 0 &&
        Histories(m_state.dataFolder()).tapeInHistory(m_regHistFita, code)) {
        const auto answer =
            dialogs.message("A fita '" + trim(tape.Nome) +
                                "' já foi locada pelo(a) cliente.\nDeseja locar novamente ?",
                            msg::Question + msg::YesNo, "Histórico de fitas locadas");
        if (answer != msg::Answer::Yes) {
            return false;
        }
    }
    return passReservations(code, tape);
}

bool RentalModel::passReservations(std::int16_t code, TapeRecord tape)
{
    auto& records = m_state.records();
    if (tape.reservationCount() == 0) {
        return true;
    }
    if (PersonRef{tape.ReservaCliente[0], tape.ReservaTitular[0]} == m_person) {
        removeReservation(tape, 1);
        return saveTape(code, tape);
    }
    ReservationList list(m_state, code);
    const auto choice =
        chooseReservation ? chooseReservation(list) : ReservationList::Choice::Cancelar;
    // The dialog may have cancelled entries, already written.
    tape = records.load<TapeRecord>(code);
    switch (choice) {
    case ReservationList::Choice::Locar:
        if (removeFirstReservationOf(tape, m_person)) {
            return saveTape(code, tape);
        }
        return true;
    case ReservationList::Choice::Reservar:
        if (!holdsReservation(tape, m_person)) {
            askReservation(m_state, code, m_person, "Reservar a fita para:", "Reservar Fita");
        }
        return false;
    case ReservationList::Choice::Cancelar:
        break;
    }
    return false;
}

bool RentalModel::saveTape(std::int16_t code, const TapeRecord& tape)
{
    StoreTransaction write(m_state);
    m_state.records().save(code, tape);
    return write.commit();
}

void RentalModel::addRow(std::int16_t code)
{
    const auto& records = m_state.records();
    const auto tape = records.load<TapeRecord>(code);
    const auto label = records.load<LabelRecord>(tape.Selo);
    const auto media = records.load<MediaRecord>(tape.Midia);

    m_names.push_back(tape.Nome);
    m_cells.emplace_back();
    m_pricing.addTape(code, label, media);
    rowsChanged(label.Codigo);

    const auto& counters = m_pricing.counters();
    showFreebieMessages(m_state, label, media,
                        counters.counts(RentalCounters::Pair::Price, label.Codigo, media.Codigo));
    showPromotionMessages(
        m_state, label, media,
        counters.counts(RentalCounters::Pair::Promotion, label.Codigo, media.Codigo));
}

void RentalModel::removeRow(std::size_t row)
{
    if (row >= rowCount()) {
        return;
    }
    const int label = m_pricing.rows()[row].label;
    m_pricing.removeRow(row);
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(row));
    m_cells.erase(m_cells.begin() + static_cast<std::ptrdiff_t>(row));
    rowsChanged(label);
}

void RentalModel::rowsChanged(int label)
{
    // Every term was given again, and the prices of this label: those cells are no longer
    // blank. A blanked price of another label stays blank, so it cannot go out as 0,00.
    const auto& rows = m_pricing.rows();
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        m_cells[i].blankTerm = false;
        if (rows[i].label == label) {
            m_cells[i].blankPrice = false;
        }
    }
}

bool RentalModel::mayMarkFreebie() const
{
    return mayUse(m_state.records().rules(), m_state.OperadorAtual, kRowFreebie);
}

bool RentalModel::mayChangeAmount() const
{
    return mayUse(m_state.records().rules(), m_state.OperadorAtual, kRowAmounts);
}

bool RentalModel::toggleFreebie(std::size_t row)
{
    if (row >= rowCount() || !mayMarkFreebie()) {
        return false;
    }
    m_pricing.toggleFreebie(row);
    rowsChanged(m_pricing.rows()[row].label);
    return true;
}

void RentalModel::askDiscount()
{
    if (!mayChangeAmount()) {
        return;
    }
    if (const auto typed = m_state.ports().dialogs.askValue("Valor do desconto:", "Desconto")) {
        m_pricing.setDiscount(parseMoney(*typed));
    }
}

void RentalModel::askSurcharge()
{
    if (!mayChangeAmount()) {
        return;
    }
    if (const auto typed = m_state.ports().dialogs.askValue("Valor do acréscimo:", "Acréscimo")) {
        m_pricing.setSurcharge(parseMoney(*typed));
    }
}

bool RentalModel::cellEditable(std::size_t row, RentalColumn column) const
{
    if (row >= rowCount()) {
        return false;
    }
    const auto& rules = m_state.records().rules();
    if (column == RentalColumn::Prazo) {
        return mayUse(rules, m_state.OperadorAtual, kRowTerm);
    }
    if (column == RentalColumn::Diaria) {
        return !m_pricing.rows()[row].freebie && mayUse(rules, m_state.OperadorAtual, kRowPrice);
    }
    return false;
}

void RentalModel::editCell(std::size_t row, RentalColumn column, std::string_view text)
{
    if (!cellEditable(row, column)) {
        return;
    }
    const std::string value = trim(text);
    if (column == RentalColumn::Prazo) {
        const auto days = typedCode(value).value_or(0);
        m_pricing.setTerm(row, std::clamp<int>(days, 0, kMaxTermDays));
        m_cells[row].blankTerm = value.empty();
    } else {
        const Money price = parseMoney(value);
        m_pricing.setPrice(row, price.isNegative() ? Money() : price);
        m_cells[row].blankPrice = value.empty();
    }
}

std::array<std::string, 5> RentalModel::rowTexts(std::size_t row) const
{
    const auto& r = m_pricing.rows().at(row);
    const auto& cell = m_cells[row];
    return {std::to_string(row + 1), code6(r.tape), trim(m_names[row]),
            cell.blankTerm ? std::string() : std::to_string(r.term),
            cell.blankPrice ? std::string() : m_pricing.priceText(row)};
}

std::string RentalModel::caption() const
{
    return rowCount() == 0 ? std::string() : m_pricing.caption();
}

bool RentalModel::rowsValid() const
{
    const bool blank = std::any_of(m_cells.begin(), m_cells.end(),
                                   [](const Cell& c) { return c.blankTerm || c.blankPrice; });
    if (blank) {
        m_state.ports().dialogs.message(kBlankCells, msg::Exclamation);
        return false;
    }
    return m_pricing.checkTerms();
}

RentalModel::Outcome RentalModel::confirm()
{
    if (rowCount() == 0 || !rowsValid()) {
        return Outcome::Stay;
    }
    if (payment.check(m_state) != PaymentChoice::Check::Go) {
        return Outcome::FocusValorPago;
    }
    switch (confirmOperation(m_state)) {
    case Confirmation::Go:
        break;
    case Confirmation::Discard:
        return Outcome::Discarded;
    case Confirmation::Stay:
        return Outcome::Stay;
    }
    const Money due = amount();
    const Money paid = paidAmount();
    payment.settle(due);

    StoreTransaction write(m_state);
    auto& records = m_state.records();
    auto& caixa = m_state.CaixaDia;
    const auto& rows = m_pricing.rows();
    const int count = static_cast<int>(rows.size());
    caixa.NumLocacoes = static_cast<std::int16_t>(caixa.NumLocacoes + 1);
    caixa.FitasLocadas = static_cast<std::int16_t>(caixa.FitasLocadas + count);

    PersonAccount account(m_state, m_person);
    const std::int32_t today = fromYmd(m_state.DataDia);
    account.withPerson([&](auto& p) { addRental(p, rows, today); });

    const auto now = m_state.ports().clock.timeOfDay().count();
    const auto hhmm = static_cast<std::int16_t>(now / 60 * 100 + now % 60);
    for (const auto& row : rows) {
        auto t = records.load<TapeRecord>(row.tape);
        t.TotalLocacoes = static_cast<std::int16_t>(t.TotalLocacoes + 1);
        t.QtdLocadas = static_cast<std::int16_t>(m_pricing.counters().totalTapes());
        t.DataRetirada = today;
        t.HoraRetirada = hhmm;
        t.Dias = static_cast<std::int16_t>(row.term);
        t.DataBase = t.DataRetirada;
        t.DiasBase = t.Dias;
        t.QtdBase = t.QtdLocadas;
        t.AcertoQtd = 0;
        t.AcertoValor = Money();
        t.Brinde = row.freebie;
        t.ValorLocacao = row.freebie ? Money() : row.price;
        t.ClienteFita = m_person.code;
        t.ClienteTitular = m_person.titular;
        records.save(row.tape, t);
    }

    if (m_pricing.surcharge().isPositive()) {
        account.addDebit(m_pricing.surcharge());
    }
    if (m_pricing.discount().isPositive()) {
        account.addCredit(m_pricing.discount());
    }
    if (paid.isPositive()) {
        caixa.LocPago += paid;
        caixa.Entrada += paid;
        account.addCredit(paid);
        // The person's own record, which the situation shows, even on the holder's account.
        account.withPerson([&](auto& p) { p.ValorUltPgto = paid; });
    }
    const Money unpaid = due - paid;
    if (unpaid.isPositive()) {
        caixa.LocHaver += unpaid;
    }
    saveCaixaDia(m_state);

    std::vector<RentedTape> rented;
    for (const auto& row : rows) {
        rented.push_back({row.tape, row.freebie ? Money() : row.price});
    }
    account.withPerson([&](auto& p) {
        appendRentals(m_state, rented, m_holder,
                      m_person.titular ? std::int16_t{-1} : m_person.code, p.RegHistFita);
    });
    account.save(records);
    if (!write.commit()) {
        return Outcome::Stay;
    }

    m_state.options().ImpNotaLoc = chkImprimir ? 1 : 0;
    if (chkImprimir) {
        printReceipt(receiptFor(paid));
    }
    return Outcome::Saved;
}

void RentalModel::printReceipt(const RentalReceipt& receipt)
{
    int copies = 0;
    {
        ScopedWait wait(&m_state.ports().progress, "Imprimindo Nota...");
        const ReceiptPerson person = receiptPersonOf(m_state.records(), m_person);
        copies = ReceiptPrinter(m_state).printCopies(
            kRentalReceiptTitle, &person,
            [&](const ReceiptBuilder& b) { return rentalReceiptBody(b, receipt); }, "ObsLoc");
    }
    if (copies > 0) {
        m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
}

RentalReceipt RentalModel::receipt() const
{
    return receiptFor(paidAmount());
}

RentalReceipt RentalModel::receiptFor(Money paid) const
{
    RentalReceipt r;
    for (std::size_t i = 0; i < rowCount(); ++i) {
        const auto& row = m_pricing.rows()[i];
        r.tapes.push_back({row.tape, m_names[i], row.term, row.freebie});
    }
    r.day = std::chrono::sys_days(m_state.DataDia);
    r.time = m_state.ports().clock.timeOfDay();
    r.hours = m_state.options().MostraHorasRec;
    r.rented = m_pricing.rowsSum();
    r.surcharge = m_pricing.surcharge();
    r.discount = m_pricing.discount();
    r.tapesAtHome = m_tapesAtHome;
    r.debt = m_balance.ValorDevido;
    r.credit = m_balance.ValorPago;
    r.paid = paid;
    return r;
}

} // namespace tavolim::core
