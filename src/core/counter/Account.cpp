#include "core/counter/Account.h"

#include "core/state/AppState.h"
#include "core/store/DependentRecord.h"

namespace tavolim::core {

void addCredit(Balance& balance, Money amount)
{
    if (!balance.ValorDevido.isPositive()) {
        balance.ValorPago += amount;
    } else if (amount < balance.ValorDevido) {
        balance.ValorDevido -= amount;
    } else {
        balance.ValorPago = balance.ValorPago + amount - balance.ValorDevido;
        balance.ValorDevido = Money();
    }
}

void addDebit(Balance& balance, Money amount)
{
    if (!balance.ValorPago.isPositive()) {
        balance.ValorDevido += amount;
    } else if (amount < balance.ValorPago) {
        balance.ValorPago -= amount;
    } else {
        balance.ValorDevido = balance.ValorDevido + amount - balance.ValorPago;
        balance.ValorPago = Money();
    }
}

AccountRef accountOf(const AppState& state, PersonRef person)
{
    if (person.titular) {
        return {FileKind::Clients, person.code};
    }
    if (state.options().UnicaConta) {
        const auto& records = state.records();
        const std::int16_t holder = records.load<DependentRecord>(person.code).Titular;
        if (holder > 0 && holder <= records.recordCount(FileKind::Clients)) {
            return {FileKind::Clients, holder};
        }
    }
    return {FileKind::Dependents, person.code};
}

} // namespace tavolim::core
