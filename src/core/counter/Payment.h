#pragma once

#include "core/counter/Account.h"
#include "core/counter/PaymentChoice.h"
#include "core/store/Money.h"

#include <string>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;

// How a payment changes the account: paying the whole amount due clears the debt and
// credits the part of it that belongs to the tapes at home (paid in advance); a part
// payment pays off the debt first and credits the rest.
void applyPayment(Balance& balance, Money amountDue, Money paid);

// A receipt's last amount: what is left owing, or the credit the payment leaves.
template <class AddLine>
void addWhatIsLeft(Money left, AddLine add)
{
    if (left.isPositive()) {
        add("Valor Devido", left);
    } else {
        add("Saldo", -left);
    }
}

// The payment window (frmPagamentos): money taken from a person with no tape changing
// hands. The amount due is the situation's total for the person; a negative total (more
// credit than charges) is taken as nothing due.
class PaymentModel {
public:
    PaymentModel(AppState& state, PersonRef person, Money amountDue);

    // Control values, copied in by the window.
    PaymentChoice payment; // optPagouTudo or optPagouParte: the box has no optN_oPagou
    bool chkImprimir = false;

    Money amountDue() const { return m_amountDue; }
    Money debt() const { return m_debt; }
    Money tapesAtHome() const { return m_amountDue - m_debt; }
    Money paidAmount() const { return payment.paid(m_amountDue); }

    enum class Outcome {
        Saved,     // written; the window closes and the situation is refreshed
        Discarded, // the operator answered No to "Confirma a Operação ?"
        Stay,      // Cancel: nothing written
    };
    // cmdOK: date-change check, confirmation, receipt copies, day totals, account.
    Outcome confirm();

    std::string receiptBody(const ReceiptBuilder& builder) const;

private:
    std::string receiptFor(const ReceiptBuilder& builder, Money paid) const;

    AppState& m_state;
    PersonRef m_person;
    Money m_amountDue;
    Money m_debt;
};

} // namespace tavolim::core
