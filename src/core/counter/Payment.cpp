#include "core/counter/Payment.h"
#include "core/counter/PersonAccount.h"

#include "core/books/DayRoll.h"
#include "core/counter/ConfirmOperation.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
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
      m_debt(PersonAccount(state, person).balance().ValorDevido)
{
    chkImprimir = state.options().ImpNotaPag != 0;
}

PaymentModel::Outcome PaymentModel::confirm()
{
    // A typed amount that is not a number (or nothing) counts as 0.
    if (payment.check(m_state) == PaymentChoice::Check::Refused) {
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
    payment.settle(m_amountDue, false);

    StoreTransaction write(m_state);
    m_state.CaixaDia.Pagamentos += paid;
    m_state.CaixaDia.Entrada += paid;
    saveCaixaDia(m_state);
    PersonAccount account(m_state, m_person);
    Balance balance = account.balance();
    applyPayment(balance, m_amountDue, paid);
    account.setBalance(balance);
    // On the holder's account the last payment still belongs to the person who paid.
    account.withPerson([&](auto& p) { p.ValorUltPgto = paid; });
    account.save(m_state.records());
    if (!write.commit()) {
        return Outcome::Stay;
    }

    if (chkImprimir) {
        const ReceiptPerson person = receiptPersonOf(m_state.records(), m_person);
        const int copies = ReceiptPrinter(m_state).printCopies(
            "#Pagamento#", &person,
            [this, paid](const ReceiptBuilder& b) { return receiptFor(b, paid); }, "ObsPag");
        if (copies > 0) {
            m_state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
        }
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
