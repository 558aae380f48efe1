#include "core/sales/WalkInSale.h"

#include "core/books/DayRoll.h"
#include "core/counter/ConfirmOperation.h"
#include "core/ports/Dialogs.h"
#include "core/registers/TypedNumbers.h"
#include "core/sales/SaleWrite.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

WalkInSaleModel::WalkInSaleModel(AppState& state) : m_state(state), m_grid(state, SaleKind::WalkIn)
{
    chkImprimir = state.options().ImpNotaVda != 0;
}

Money WalkInSaleModel::paid() const
{
    return parseMoney(txtValorPago);
}

std::string WalkInSaleModel::caption() const
{
    const std::string totals = m_grid.caption();
    return totals.empty() ? totals : totals + " / Troco = R$ " + formatMoney(change());
}

std::optional<Money> WalkInSaleModel::checkedPayment() const
{
    if (refuseNegativePayment(m_state, txtValorPago)) {
        return std::nullopt;
    }
    return typedAmount(txtValorPago, m_state.ports().dialogs);
}

WalkInSaleModel::Outcome WalkInSaleModel::confirm()
{
    if (m_grid.rowCount() == 0) {
        return Outcome::Stay;
    }
    if (!m_grid.linesValid()) {
        return Outcome::Stay;
    }
    const auto paidNow = checkedPayment();
    if (!paidNow) {
        return Outcome::FocusValorPago;
    }
    if (*paidNow < m_grid.total()) {
        m_state.ports().dialogs.message(kPaidTooLittle, msg::Exclamation);
        return Outcome::FocusValorPago;
    }
    if (confirmOperation(m_state) != Confirmation::Go) {
        return Outcome::Stay;
    }

    const Money total = m_grid.total();
    StoreTransaction write(m_state);
    if (!writeSale(m_state, m_grid.lines())) {
        return Outcome::Stay;
    }
    m_state.CaixaDia.VendaPago += total;
    m_state.CaixaDia.Entrada += total;
    saveCaixaDia(m_state);
    if (!write.commit()) {
        return Outcome::Stay;
    }

    m_state.options().ImpNotaVda = chkImprimir ? 1 : 0;
    if (chkImprimir) {
        const SaleReceipt printed = receipt();
        printSaleReceipt(m_state, nullptr, [&printed](const ReceiptBuilder& b) {
            return walkInReceiptBody(b, printed);
        });
    }
    return Outcome::Saved;
}

SaleReceipt WalkInSaleModel::receipt() const
{
    SaleReceipt r;
    r.lines = m_grid.lines();
    r.surcharge = m_grid.surcharge();
    r.discount = m_grid.discount();
    r.paid = paid();
    return r;
}

} // namespace tavolim::core
