#pragma once

#include "core/counter/Account.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"

namespace tavolim::core {

class AppState;
class RecordStore;

// A person's record together with the record that holds the person's money, read by value
// when made: for a client and (without "UnicaConta") a dependent the same record, for a
// dependent on the holder's account also the holder's client record. Changes stay here until
// save() writes both records.
class PersonAccount {
public:
    PersonAccount(const AppState& state, PersonRef person);

    PersonRef person() const { return m_person; }
    const AccountRef& ref() const { return m_ref; }
    // The money is on another record than the person's own (a dependent with "UnicaConta").
    bool onHolder() const { return !m_person.titular && m_ref.isClient(); }

    Balance balance() const;
    void setBalance(const Balance& balance);
    void addCredit(Money amount);
    void addDebit(Money amount);

    // The person's own record: f(ClientRecord&) or f(DependentRecord&).
    template <class F>
    decltype(auto) withPerson(F&& f)
    {
        return m_person.titular ? f(m_client) : f(m_dependent);
    }
    template <class F>
    decltype(auto) withPerson(F&& f) const
    {
        return m_person.titular ? f(m_client) : f(m_dependent);
    }

    // Writes the person's record and, on the holder's account, the holder's. False when a
    // write failed.
    bool save(RecordStore& records) const;

private:
    PersonRef m_person;
    AccountRef m_ref;
    ClientRecord m_client;       // the client, or the holder whose record has the money
    DependentRecord m_dependent; // a dependent's own record
};

} // namespace tavolim::core
