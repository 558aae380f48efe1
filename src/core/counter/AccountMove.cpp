#include "core/counter/AccountMove.h"
#include "core/counter/PersonAccount.h"

#include "core/books/DayRoll.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

void apply(Balance& balance, AccountMoveKind kind, Money amount)
{
    if (kind == AccountMoveKind::Credit) {
        addCredit(balance, amount);
    } else {
        addDebit(balance, amount);
    }
}

Money saldo(const Balance& b)
{
    return b.ValorPago - b.ValorDevido;
}

} // namespace

std::string accountMoveTitle(AccountMoveKind kind)
{
    return kind == AccountMoveKind::Credit ? "Crédito" : "Débito";
}

bool accountMovePrintDefault(const AppState& state, AccountMoveKind kind)
{
    const auto& o = state.options();
    return (kind == AccountMoveKind::Credit ? o.ImpNotaCred : o.ImpNotaDeb) != 0;
}

bool recordAccountMove(AppState& state, PersonRef person, AccountMoveKind kind,
                       const std::optional<std::string>& typed, bool print)
{
    // The print box keeps its state for the next prompt, even when this one is dropped.
    auto& o = state.options();
    (kind == AccountMoveKind::Credit ? o.ImpNotaCred : o.ImpNotaDeb) = print ? 1 : 0;
    if (!typed || trim(*typed).empty()) {
        return false;
    }
    const Money amount = parseMoney(*typed);
    checkDateChange(state);
    if (refuseCounterWork(state)) {
        return false;
    }
    StoreTransaction write(state);
    PersonAccount account(state, person);
    const Balance before = account.balance();
    Balance after = before;
    apply(after, kind, amount);
    if (kind == AccountMoveKind::Credit) {
        state.CaixaDia.Creditos += amount;
        state.CaixaDia.Entrada += amount;
    } else {
        state.CaixaDia.Debitos += amount;
    }
    saveCaixaDia(state);
    account.setBalance(after);
    account.save(state.records());
    if (!write.commit()) {
        return false;
    }
    if (print) {
        const ReceiptPerson receiptPerson = receiptPersonOf(state.records(), person);
        const int copies = ReceiptPrinter(state).printCopies(
            kind == AccountMoveKind::Credit ? "#Crédito#" : "#Débito#", &receiptPerson,
            [&](const ReceiptBuilder& b) {
                return accountMoveReceipt(b, kind, before, amount, after);
            },
            "ObsCred");
        if (copies > 0) {
            state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
        }
    }
    return true;
}

bool askAccountMove(AppState& state, PersonRef person, AccountMoveKind kind)
{
    bool print = accountMovePrintDefault(state, kind);
    const auto typed = state.ports().dialogs.askValueWithCheck(
        kind == AccountMoveKind::Credit ? "Valor do crédito:" : "Valor do débito:",
        accountMoveTitle(kind), "&Imprimir recibo", print);
    return recordAccountMove(state, person, kind, typed, print);
}

std::string accountMoveReceipt(const ReceiptBuilder& builder, AccountMoveKind kind,
                               const Balance& before, Money amount, const Balance& after)
{
    return builder.line(amountLine("Saldo Anterior", saldo(before))) +
           builder.line(amountLine(accountMoveTitle(kind), amount)) +
           builder.line(amountLine("Saldo Atual", saldo(after)));
}

} // namespace tavolim::core
