#include "core/counter/PersonAccount.h"

#include "core/state/AppState.h"

namespace tavolim::core {

PersonAccount::PersonAccount(const AppState& state, PersonRef person)
    : m_person(person), m_ref(accountOf(state, person))
{
    const auto& records = state.records();
    if (!person.titular) {
        m_dependent = records.load<DependentRecord>(person.code);
    }
    if (m_ref.isClient()) {
        m_client = records.load<ClientRecord>(m_ref.number);
    }
}

Balance PersonAccount::balance() const
{
    if (m_ref.isClient()) {
        return {m_client.ValorPago, m_client.ValorDevido};
    }
    return {m_dependent.ValorPago, m_dependent.ValorDevido};
}

void PersonAccount::setBalance(const Balance& balance)
{
    if (m_ref.isClient()) {
        m_client.ValorPago = balance.ValorPago;
        m_client.ValorDevido = balance.ValorDevido;
    } else {
        m_dependent.ValorPago = balance.ValorPago;
        m_dependent.ValorDevido = balance.ValorDevido;
    }
}

void PersonAccount::addCredit(Money amount)
{
    Balance b = balance();
    core::addCredit(b, amount);
    setBalance(b);
}

void PersonAccount::addDebit(Money amount)
{
    Balance b = balance();
    core::addDebit(b, amount);
    setBalance(b);
}

bool PersonAccount::save(RecordStore& records) const
{
    if (!m_person.titular && !records.save(m_person.code, m_dependent)) {
        return false;
    }
    return !m_ref.isClient() || records.save(m_ref.number, m_client);
}

} // namespace tavolim::core
