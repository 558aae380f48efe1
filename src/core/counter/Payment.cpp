#include "core/counter/Payment.h"

#include "core/books/DayRoll.h"
#include "core/counter/ConfirmOperation.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

void applyPayment(Balance& balance, Money amountDue, Money paid)
{
    if (paid == amountDue) {
        balance.ValorPago += amountDue - balance.ValorDevido;
        balance.ValorDevido = Money();
    } else if (!balance.ValorDevido.isPositive()) {
        balance.ValorDevido = Money();
        balance.ValorPago += paid;
    } else if (paid < balance.ValorDevido) {
        balance.ValorDevido -= paid;
    } else {
        balance.ValorPago += paid - balance.ValorDevido;
        balance.ValorDevido = Money();
    }
}

PaymentModel::PaymentModel(AppState& state, PersonRef person, Money amountDue)
    : m_state(state), m_person(person), m_amountDue(amountDue.isNegative() ? Money() : amountDue),
      m_debt(Account(state, person).balance().ValorDevido)
{
    chkImprimir = state.options().ImpNotaPag != 0;
}

std::string PaymentModel::pagouTudoCaption() const
{
    return "Pagou &Tudo(R$" + formatMoneyPlain(m_amountDue) + ")";
}

Money PaymentModel::paidAmount() const
{
    return optPagouTudo ? m_amountDue : parseMoney(txtValorPago);
}

PaymentModel::Outcome PaymentModel::confirm()
{
    if (!optPagouTudo && refuseNegativePayment(m_state, txtValorPago)) {
        return Outcome::Stay;
    }
    switch (confirmOperation(m_state)) {
    case Confirmation::Go:
        break;
    case Confirmation::Discard:
        return Outcome::Discarded;
    case Confirmation::Stay:
        return Outcome::Stay;
    }
    const Money paid = paidAmount();
    optPagouTudo = optPagouTudo || paid == m_amountDue;

    if (chkImprimir) {
        // The header reads the person's records, so the receipt goes before the account.
        ReceiptPrinter printer(m_state);
        loadReceiptPerson(m_state, m_person);
        const int copies = printer.printCopies(
            "#Pagamento#", m_person.titular, m_person.code,
            [this, paid](const ReceiptBuilder& b) { return receiptFor(b, paid); }, "ObsPag");
        if (copies > 0) {
            m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
        }
    }

    m_state.CaixaDia.Pagamentos += paid;
    m_state.CaixaDia.Entrada += paid;
    saveCaixaDia(m_state);

    Account account(m_state, m_person);
    Balance balance = account.balance();
    applyPayment(balance, m_amountDue, paid);
    account.setBalance(balance);
    const bool ownAccount = account.ref().isClient() == m_person.titular;
    if (ownAccount) {
        (m_person.titular ? m_state.records().client().ValorUltPgto
                          : m_state.records().dependent().ValorUltPgto) = paid;
    }
    // The day's totals hold the payment already: a failed account write (the operator is
    // told) closes the window all the same, so OK cannot count the money twice.
    if (!account.save()) {
        return Outcome::Saved;
    }
    // On the holder's account the last payment still belongs to the dependent who paid.
    if (!ownAccount) {
        auto& records = m_state.records();
        records.readRecord(FileKind::Dependents, m_person.code, true);
        records.dependent().ValorUltPgto = paid;
        records.writeRecord(FileKind::Dependents, m_person.code);
    }
    return Outcome::Saved;
}

std::string PaymentModel::receiptBody(const ReceiptBuilder& builder) const
{
    return receiptFor(builder, paidAmount());
}

std::string PaymentModel::receiptFor(const ReceiptBuilder& builder, Money paid) const
{
    std::string body;
    const auto add = [&](std::string_view label, Money value) {
        if (!value.isZero()) {
            body += builder.line(amountLine(label, value));
        }
    };
    add("Fitas Locadas", tapesAtHome());
    add("Outros Débitos", m_debt);
    add("Total", m_amountDue);
    add("Valor Pago", paid);
    addWhatIsLeft(m_amountDue - paid, add);
    return body;
}

} // namespace tavolim::core
