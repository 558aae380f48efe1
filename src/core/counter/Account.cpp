#include "core/counter/Account.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"

namespace tavolim::core {

void AddCredit(Balance& balance, Money amount)
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

void AddDebit(Balance& balance, Money amount)
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

AccountRef accountOf(AppState& state, PersonRef person)
{
    if (person.titular) {
        return {FileKind::Clients, person.code};
    }
    if (state.options().UnicaConta) {
        auto& records = state.records();
        records.readRecord(FileKind::Dependents, person.code, true);
        const std::int16_t holder = records.dependent().Titular;
        if (holder > 0 && holder <= records.recordCount(FileKind::Clients)) {
            return {FileKind::Clients, holder};
        }
    }
    return {FileKind::Dependents, person.code};
}

void loadReceiptPerson(AppState& state, PersonRef person)
{
    auto& records = state.records();
    std::int16_t holder = person.code;
    if (!person.titular) {
        records.readRecord(FileKind::Dependents, person.code, true);
        holder = records.dependent().Titular;
    }
    records.readRecord(FileKind::Clients, holder, true);
}

Account::Account(AppState& state, PersonRef person)
    : m_state(state), m_ref(accountOf(state, person))
{
    m_state.records().readRecord(m_ref.kind, m_ref.number, true);
}

Balance Account::balance() const
{
    auto& records = m_state.records();
    if (m_ref.isClient()) {
        return {records.client().ValorPago, records.client().ValorDevido};
    }
    return {records.dependent().ValorPago, records.dependent().ValorDevido};
}

void Account::setBalance(const Balance& balance)
{
    auto& records = m_state.records();
    if (m_ref.isClient()) {
        records.client().ValorPago = balance.ValorPago;
        records.client().ValorDevido = balance.ValorDevido;
    } else {
        records.dependent().ValorPago = balance.ValorPago;
        records.dependent().ValorDevido = balance.ValorDevido;
    }
}

void Account::AddCredit(Money amount)
{
    Balance b = balance();
    core::AddCredit(b, amount);
    setBalance(b);
}

void Account::AddDebit(Money amount)
{
    Balance b = balance();
    core::AddDebit(b, amount);
    setBalance(b);
}

bool Account::save()
{
    auto& records = m_state.records();
    const std::int16_t held =
        m_ref.isClient() ? records.client().Codigo : records.dependent().Codigo;
    if (held != m_ref.number) {
        m_state.ports().dialogs.message("O Código do Cliente foi modificado. Operação "
                                        "cancelada.\r\nPor favor, contate-nos deste erro.",
                                        msg::Critical);
        return false;
    }
    return records.writeRecord(m_ref.kind, m_ref.number);
}

} // namespace tavolim::core
