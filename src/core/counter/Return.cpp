#include "core/counter/Return.h"
#include "core/counter/PersonAccount.h"

#include "core/books/DayRoll.h"
#include "core/books/TapeBook.h"
#include "core/counter/Account.h"
#include "core/counter/ConfirmOperation.h"
#include "core/counter/Payment.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace tavolim::core {
namespace {

constexpr const char* kAllNotMarked =
    "Erro: A opção 'Devolveu Todas as Fitas' está selecionada mas nem todas as fitas estão "
    "marcadas como devolvidas!\nSelecione as fitas devolvidas clicando sobre elas.";
constexpr const char* kOverPaid =
    "O valor pago pelo(a) cliente é maior do que o valor devido.\nConfirma a Operação ?";
constexpr const char* kDiscountTooBig = "O desconto não pode ser maior do que o valor devido.";

// A tape code as the operator types it: digits only, 1..32767.
std::optional<std::int16_t> tapeCode(std::string_view typed)
{
    const std::string text = trim(typed);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

Money atLeastZero(Money value)
{
    return value.isNegative() ? Money() : value;
}

// The return receipt's labels are a column wider than the payment's.
std::string moneyLine(const ReceiptBuilder& builder, std::string_view label, Money value)
{
    return builder.line(rightText(22, label) + "     R$" + moneyField(value));
}

template <class R>
std::vector<std::int16_t> fitasOf(const R& r)
{
    return {r.Fitas.begin(), r.Fitas.begin() + r.tapeCount()};
}

template <class R>
void setFitas(R& r, const std::vector<std::int16_t>& fitas)
{
    r.Fitas.fill(0);
    std::copy(fitas.begin(), fitas.end(), r.Fitas.begin());
    r.NumFitas = static_cast<std::int16_t>(fitas.size());
}

void freeTape(TapeRecord& t, Money amount)
{
    t.ValorArrecadado += amount;
    for (std::size_t i = TapeRecord::LastClients - 1; i > 0; --i) {
        t.UltData[i] = t.UltData[i - 1];
        t.UltCliente[i] = t.UltCliente[i - 1];
        t.UltTitular[i] = t.UltTitular[i - 1];
    }
    t.UltData[0] = t.DataRetirada;
    t.UltCliente[0] = t.ClienteFita;
    t.UltTitular[0] = t.ClienteTitular;
    t.DataRetirada = 0;
    t.HoraRetirada = 0;
    t.Dias = 0;
    t.Brinde = false;
    t.DataBase = 0;
    t.DiasBase = 0;
    t.QtdBase = 0;
    t.AcertoQtd = 0;
    t.AcertoValor = Money();
    t.ClienteFita = 0;
    t.ClienteTitular = false;
}

} // namespace

ReturnModel::ReturnModel(AppState& state, const Situation& situation)
    : m_state(state), m_situation(situation), m_marked(situation.tapes.size(), true)
{
    chkImprimir = state.options().ImpNotaDev != 0;
}

std::array<std::string, 8> ReturnModel::rowTexts(std::size_t row) const
{
    const TapeAtHome& tape = m_situation.tapes.at(row);
    std::array<std::string, 8> texts;
    texts[0] = m_marked[row] ? "Devolveu" : "";
    texts[1] = tape.Nome;
    texts[2] = std::to_string(tape.code);
    if (const auto& charge = tape.charge) {
        texts[3] = std::to_string(charge->periods);
        texts[4] = formatMoneyPlain(charge->amount);
        texts[5] = charge->freebie ? "Brinde" : "";
        texts[6] = charge->fineText;
        texts[7] = charge->fineAmountText;
    }
    return texts;
}

void ReturnModel::setDevolveuTodos(bool todos)
{
    m_todos = todos;
    std::fill(m_marked.begin(), m_marked.end(), todos);
}

void ReturnModel::toggle(std::size_t row)
{
    if (row < m_marked.size()) {
        m_marked[row] = !m_marked[row];
    }
}

bool ReturnModel::markCode()
{
    auto& dialogs = m_state.ports().dialogs;
    const auto code = tapeCode(txtCod);
    if (!code) {
        dialogs.message("O código da fita está incorreto.", msg::Exclamation);
        return false;
    }
    const auto& tapes = m_situation.tapes;
    const auto found = std::find_if(tapes.begin(), tapes.end(),
                                    [&](const TapeAtHome& t) { return t.code == *code; });
    if (found == tapes.end()) {
        dialogs.message("Esta fita não está na lista.", msg::Exclamation);
        return false;
    }
    m_marked[static_cast<std::size_t>(found - tapes.begin())] = true;
    txtCod.clear();
    return true;
}

void ReturnModel::askDiscount()
{
    const auto typed = m_state.ports().dialogs.askValue("Valor do desconto:", "Desconto");
    if (typed) {
        setDiscount(parseMoney(*typed));
    }
}

void ReturnModel::askSurcharge()
{
    const auto typed = m_state.ports().dialogs.askValue("Valor do acréscimo:", "Acréscimo");
    if (typed) {
        setSurcharge(parseMoney(*typed));
    }
}

bool ReturnModel::setDiscount(Money amount)
{
    const Money before = atLeastZero(atLeastZero(m_situation.valorDevido) + m_surcharge);
    if (amount > before) {
        m_state.ports().dialogs.message(kDiscountTooBig, msg::Exclamation);
        return false;
    }
    m_discount = atLeastZero(amount);
    return true;
}

void ReturnModel::setSurcharge(Money amount)
{
    m_surcharge = atLeastZero(amount);
}

Money ReturnModel::rowAmount(std::size_t row) const
{
    const auto& charge = m_situation.tapes.at(row).charge;
    return charge ? charge->amount : Money();
}

Money ReturnModel::returnedTotal() const
{
    Money total;
    for (std::size_t row = 0; row < m_marked.size(); ++row) {
        if (m_marked[row]) {
            total += rowAmount(row);
        }
    }
    return total;
}

Money ReturnModel::amountDue() const
{
    return atLeastZero(atLeastZero(m_situation.valorDevido) + m_surcharge - m_discount);
}

ReturnModel::Outcome ReturnModel::confirm()
{
    auto& dialogs = m_state.ports().dialogs;
    if (!trim(txtCod).empty()) {
        markCode();
        return Outcome::Stay;
    }
    if (m_todos && std::find(m_marked.begin(), m_marked.end(), false) != m_marked.end()) {
        dialogs.message(kAllNotMarked, msg::Exclamation);
        return Outcome::Stay;
    }
    if (payment.check(m_state) != PaymentChoice::Check::Go) {
        return Outcome::FocusValorPago;
    }
    // With no tape, no money and no adjustment, OK would only count a return that never
    // happened; with money it is still taken, as the counter expects.
    if (std::find(m_marked.begin(), m_marked.end(), true) == m_marked.end() &&
        paidAmount().isZero() && m_discount.isZero() && m_surcharge.isZero()) {
        dialogs.message("Nenhuma fita foi marcada como devolvida.\n"
                        "Selecione as fitas devolvidas clicando sobre elas.",
                        msg::Exclamation);
        return Outcome::Stay;
    }
    const Money due = amountDue();
    const Money paid = paidAmount();
    if (paid <= due || !m_state.options().ConfirmOp) {
        switch (confirmOperation(m_state)) {
        case Confirmation::Go:
            break;
        case Confirmation::Discard:
            return Outcome::Discarded;
        case Confirmation::Stay:
            return Outcome::Stay;
        }
    } else {
        // Paying over what is due asks Yes/No, and No stays.
        checkDateChange(m_state);
        if (refuseCounterWork(m_state)) {
            return Outcome::Stay;
        }
        if (dialogs.message(kOverPaid, msg::Question + msg::YesNo) != msg::Answer::Yes) {
            return Outcome::Stay;
        }
    }
    payment.settle(due);
    m_state.options().ImpNotaDev = chkImprimir ? 1 : 0;

    StoreTransaction write(m_state);
    auto& caixa = m_state.CaixaDia;
    ++caixa.NumDevolucoes;

    const PersonRef person = m_situation.person;
    PersonAccount account(m_state, person);
    std::vector<Returned> returned;
    account.withPerson([&](auto& p) {
        std::vector<std::int16_t> fitas = fitasOf(p);
        returned = freeTapes(fitas);
        setFitas(p, fitas);
    });

    const Money total = returnedTotal();
    if (paid.isZero()) {
        account.addDebit(total);
    } else if (paid != total) {
        account.addDebit(total);
        account.addCredit(paid);
    }
    if (!paid.isZero()) {
        account.withPerson([&](auto& p) { p.ValorUltPgto = paid; });
        caixa.DevPago += paid;
        caixa.Entrada += paid;
    }
    if (m_surcharge.isPositive()) {
        account.addDebit(m_surcharge);
    }
    if (m_discount.isPositive()) {
        account.addCredit(m_discount);
    }
    account.save(m_state.records());
    saveCaixaDia(m_state);
    std::vector<ReturnedTape> book;
    for (const Returned& r : returned) {
        const auto& charge = m_situation.tapes[r.row].charge;
        book.push_back({r.code, static_cast<std::int16_t>(charge ? charge->periods : 0),
                        rowAmount(r.row), r.rentalDate});
    }
    markReturns(m_state, book);
    if (!write.commit()) {
        return Outcome::Stay;
    }

    if (chkImprimir) {
        const ReceiptPerson receiptPerson = receiptPersonOf(m_state.records(), person);
        const int copies = ReceiptPrinter(m_state).printCopies(
            "#Devolução#", &receiptPerson,
            [this](const ReceiptBuilder& b) { return receiptBody(b); }, "ObsDev");
        if (copies > 0) {
            dialogs.message(std::string(kRemovePrintout), msg::Information);
        }
    }
    return Outcome::Saved;
}

std::vector<ReturnModel::Returned> ReturnModel::freeTapes(std::vector<std::int16_t>& fitas)
{
    auto& records = m_state.records();
    std::vector<bool> taken(m_marked.size(), false);
    std::vector<Returned> returned;
    std::vector<std::int16_t> kept;
    const auto tapeCount = records.recordCount(FileKind::Tapes);
    for (const std::int16_t code : fitas) {
        if (code < 1 || code > tapeCount) {
            continue; // names no tape: the list loses it with this return
        }
        std::size_t row = 0;
        while (row < m_marked.size() &&
               !(m_marked[row] && !taken[row] && m_situation.tapes[row].code == code)) {
            ++row;
        }
        if (row == m_marked.size()) {
            kept.push_back(code);
            continue;
        }
        taken[row] = true;
        auto tape = records.load<TapeRecord>(code);
        ++m_state.CaixaDia.FitasDevolvidas;
        returned.push_back({row, code, tape.DataRetirada});
        freeTape(tape, rowAmount(row));
        records.save(code, tape);
    }
    fitas = std::move(kept);
    return returned;
}

std::string ReturnModel::receiptBody(const ReceiptBuilder& builder) const
{
    std::string body;
    const int width = builder.width();
    for (std::size_t row = 0; row < m_marked.size(); ++row) {
        if (!m_marked[row]) {
            continue;
        }
        const TapeAtHome& tape = m_situation.tapes[row];
        char code[8];
        std::snprintf(code, sizeof code, "%06d", tape.code);
        body += builder.line(
            cutChars(std::string(code) + " " + tape.Nome, static_cast<std::size_t>(width)));
        const auto& charge = tape.charge;
        const std::string periods = "Diárias: " + std::to_string(charge ? charge->periods : 0);
        body += moneyLine(builder, charge && charge->freebie ? "Brinde  " + periods : periods,
                          rowAmount(row));
        if (charge && charge->fine.isLate()) {
            body += builder.line("  Atraso: " + std::to_string(charge->fine.late) +
                                 (charge->fine.inHours ? "h " : "d ") +
                                 std::to_string(charge->fine.periods) + " multas");
        }
    }
    const auto add = [&](std::string_view label, Money value) {
        if (!value.isZero()) {
            body += moneyLine(builder, label, value);
        }
    };
    const Money returned = returnedTotal();
    const Money others = m_situation.totalFitas - returned;
    const Money total = returned + m_surcharge - m_discount + others + m_situation.outrosGastos;
    const Money paid = paidAmount();
    add("Fitas Devolvidas", returned);
    add("Acréscimo", m_surcharge);
    add("Desconto", m_discount);
    add("Outras Fitas Locadas", others);
    add("Outros Débitos", m_situation.outrosGastos);
    add("Total", total);
    add("Valor Pago Adiantado", m_situation.valorPagoAdiantado);
    add("Valor Pago", paid);
    addWhatIsLeft(total - m_situation.valorPagoAdiantado - paid, add);
    return body;
}

} // namespace tavolim::core
