#include "core/sales/ClientSale.h"

#include "core/books/DayRoll.h"
#include "core/books/Histories.h"
#include "core/counter/ConfirmOperation.h"
#include "core/counter/PersonAccount.h"
#include "core/counter/Situation.h"
#include "core/printing/ReceiptPerson.h"
#include "core/sales/SaleWrite.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/PersonLookup.h"

namespace tavolim::core {

ClientSaleModel::ClientSaleModel(AppState& state, const Situation& situation)
    : m_state(state), m_grid(state, SaleKind::Client), m_person(situation.person),
      m_personName(core::personName(state.records(), situation.person)),
      m_tapesAtHome(situation.totalFitas), m_debt(situation.outrosGastos),
      m_credit(situation.valorPagoAdiantado), m_balanceDue(situation.valorDevido)
{
    chkImprimir = state.options().ImpNotaVdaCli != 0;
}

Money ClientSaleModel::amountOffered() const
{
    const Money all = m_grid.total() + m_balanceDue;
    return all.isNegative() ? Money() : all;
}

ClientSaleModel::Outcome ClientSaleModel::confirm()
{
    if (m_grid.rowCount() == 0 || !m_grid.linesValid()) {
        return Outcome::Stay;
    }
    switch (payment.check(m_state)) {
    case PaymentChoice::Check::Go:
        break;
    case PaymentChoice::Check::FocusValorPago:
        return Outcome::FocusValorPago;
    case PaymentChoice::Check::Refused:
        return Outcome::Stay;
    }
    if (confirmOperation(m_state) != Confirmation::Go) {
        return Outcome::Stay;
    }
    const Money offered = amountOffered();
    const Money paid = payment.paid(offered);
    payment.settle(offered);

    StoreTransaction write(m_state);
    auto& records = m_state.records();
    PersonAccount account(m_state, m_person);
    const bool history = m_state.options().GravHistProd;
    std::int32_t regHistProd = account.withPerson([](const auto& p) { return p.RegHistProd; });
    if (history && regHistProd < 1) {
        regHistProd = allocateHistory(records, FileKind::ProductHistory);
        account.withPerson([regHistProd](auto& p) { p.RegHistProd = regHistProd; });
    }
    const auto& lines = m_grid.lines();
    if (!writeSale(m_state, lines)) {
        return Outcome::Stay;
    }
    if (history && regHistProd > 0) {
        const Histories histories(m_state.dataFolder());
        for (const auto& l : lines) {
            histories.appendProductHistory(regHistProd, l.product, l.quantity, l.chargedPrice(),
                                           m_state.DataDia);
        }
    }

    auto& caixa = m_state.CaixaDia;
    account.addDebit(m_grid.linesTotal());
    if (m_grid.surcharge().isPositive()) {
        account.addDebit(m_grid.surcharge());
    }
    if (m_grid.discount().isPositive()) {
        account.addCredit(m_grid.discount());
    }
    if (paid.isPositive()) {
        caixa.VendaPago += paid;
        caixa.Entrada += paid;
        account.addCredit(paid);
        // The person's own record, which the situation shows, even on the holder's account.
        account.withPerson([paid](auto& p) { p.ValorUltPgto = paid; });
    }
    const Money unpaid = m_grid.total() - paid;
    if (unpaid.isPositive()) {
        caixa.VendaHaver += unpaid;
    }
    saveCaixaDia(m_state);
    account.save(records);
    if (!write.commit()) {
        return Outcome::Stay;
    }

    m_state.options().ImpNotaVdaCli = chkImprimir ? 1 : 0;
    if (chkImprimir) {
        const SaleReceipt printed = receiptFor(paid);
        const ReceiptPerson person = receiptPersonOf(records, m_person);
        printSaleReceipt(m_state, &person, [&printed](const ReceiptBuilder& b) {
            return clientReceiptBody(b, printed);
        });
    }
    return Outcome::Saved;
}

SaleReceipt ClientSaleModel::receipt() const
{
    return receiptFor(paidAmount());
}

SaleReceipt ClientSaleModel::receiptFor(Money paid) const
{
    SaleReceipt r;
    r.lines = m_grid.lines();
    r.surcharge = m_grid.surcharge();
    r.discount = m_grid.discount();
    r.paid = paid;
    r.tapesAtHome = m_tapesAtHome;
    r.debt = m_debt;
    r.credit = m_credit;
    return r;
}

} // namespace tavolim::core
