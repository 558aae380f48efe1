#pragma once

#include "core/store/FileKind.h"
#include "core/store/Money.h"
#include "core/store/PersonRef.h"

#include <cstdint>

namespace tavolim::core {

class AppState;

// A person's balance: ValorPago (credit paid in advance) and ValorDevido (debt), both in
// the person's record. AddCredit and AddDebit keep at most one of them above zero.
struct Balance {
    Money ValorPago;
    Money ValorDevido;

    bool operator==(const Balance&) const = default;
};

// Money received: first pays off the debt, the rest becomes credit. Money keeps
// thousandths, so the cut to three decimals the stored Singles need is already done.
void AddCredit(Balance& balance, Money amount);
// Money charged: first taken from the credit, the rest becomes debt.
void AddDebit(Balance& balance, Money amount);

// The record that holds a person's money: the client's, the dependent's own, or with
// "UnicaConta" the holder's for a dependent. A dependent without a readable holder keeps
// its own account.
struct AccountRef {
    FileKind kind = FileKind::Clients;
    std::int16_t number = 0;

    bool isClient() const { return kind == FileKind::Clients; }
};
AccountRef accountOf(AppState& state, PersonRef person);

// Makes the holder the current client record and, for a dependent, the dependent the
// current dependent record: what a receipt header with client lines reads.
void loadReceiptPerson(AppState& state, PersonRef person);

// The account's record is read (forced) into the current client or dependent record and
// changed only there until save() writes it (kind 1 or 2).
class Account {
public:
    Account(AppState& state, PersonRef person);

    const AccountRef& ref() const { return m_ref; }
    Balance balance() const;
    void setBalance(const Balance& balance);

    void AddCredit(Money amount);
    void AddDebit(Money amount);

    // The consistency guard: when the current record no longer holds this account (another
    // record was read over it) nothing is written and the operator is told.
    bool save();

private:
    AppState& m_state;
    AccountRef m_ref;
};

} // namespace tavolim::core
