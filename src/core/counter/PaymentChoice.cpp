#include "core/counter/PaymentChoice.h"

#include "core/counter/ConfirmOperation.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

std::string PaymentChoice::payAllCaption(Money due)
{
    return "Pagou &Tudo(R$" + formatMoneyPlain(due) + ")";
}

Money PaymentChoice::paid(Money due) const
{
    switch (option) {
    case Option::PagouTudo:
        return due;
    case Option::PagouParte:
        return parseMoney(txtValorPago);
    case Option::NaoPagou:
        break;
    }
    return Money();
}

PaymentChoice::Check PaymentChoice::check(AppState& state) const
{
    if (option != Option::PagouParte) {
        return Check::Go;
    }
    if (trim(txtValorPago).empty()) {
        return Check::FocusValorPago;
    }
    return refuseNegativePayment(state, txtValorPago) ? Check::Refused : Check::Go;
}

void PaymentChoice::settle(Money due, bool canPayNothing)
{
    const Money amount = paid(due);
    if (amount.isZero() && canPayNothing) {
        option = Option::NaoPagou;
    } else if (amount == due) {
        option = Option::PagouTudo;
    }
}

} // namespace tavolim::core
