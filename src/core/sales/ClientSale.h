#pragma once

#include "core/counter/PaymentChoice.h"
#include "core/registers/RecordSearch.h"
#include "core/sales/SaleGrid.h"
#include "core/sales/SaleReceipt.h"
#include "core/store/Money.h"
#include "core/store/PersonRef.h"

#include <string>

namespace tavolim::core {

class AppState;
struct Situation;

// The sale to a client or dependent (frmVendasCli), opened from the client situation: the
// person may pay all, part or nothing, the rest going to the account. confirm() writes the
// sales book, the stock, the day's totals, the product history and the person as one
// operation, then prints the receipt.
class ClientSaleModel {
public:
    // The situation as shown when the sale starts: the person, the tapes at home and the
    // account the receipt and optPagouTudo's amount are made of.
    ClientSaleModel(AppState& state, const Situation& situation);

    ListChooser chooseProduct;

    SaleGrid& grid() { return m_grid; }
    const SaleGrid& grid() const { return m_grid; }

    // Control values, copied in and out by the window.
    PaymentChoice payment;
    bool chkImprimir = false;

    SaleGrid::AddOutcome add() { return m_grid.add(chooseProduct); }

    PersonRef person() const { return m_person; }
    const std::string& personName() const { return m_personName; }
    // The situation's "Valor Devido:" (positive) or "Saldo:" (negative, the credit).
    Money balanceDue() const { return m_balanceDue; }
    // optPagouTudo: the sale and the situation's balance together, so that paying all leaves
    // nothing owed; 0 when the credit covers it.
    Money amountOffered() const;
    Money paidAmount() const { return payment.paid(amountOffered()); }

    enum class Outcome {
        Saved,          // written (and printed): the window closes, the situation is refilled
        Stay,           // nothing to sell, a refusal, No or Cancel: the sale stays open
        FocusValorPago, // optPagouParte with nothing typed
    };
    // cmdOK.
    Outcome confirm();

    // The receipt as it would print now (the payment as the controls say).
    SaleReceipt receipt() const;

private:
    SaleReceipt receiptFor(Money paid) const;

    AppState& m_state;
    SaleGrid m_grid;
    PersonRef m_person;
    std::string m_personName;
    Money m_tapesAtHome;
    Money m_debt;
    Money m_credit;
    Money m_balanceDue;
};

} // namespace tavolim::core
