#pragma once

#include "core/store/FileKind.h"
#include "core/store/Money.h"
#include "core/store/PersonRef.h"

#include <cstdint>

namespace tavolim::core {

class AppState;

// A person's balance: ValorPago (credit paid in advance) and ValorDevido (debt), both in
// the person's record. addCredit and addDebit keep at most one of them above zero.
struct Balance {
    Money ValorPago;
    Money ValorDevido;

    bool operator==(const Balance&) const = default;
};

// Money received: first pays off the debt, the rest becomes credit. Money keeps
// thousandths, so the cut to three decimals the stored Singles need is already done.
void addCredit(Balance& balance, Money amount);
// Money charged: first taken from the credit, the rest becomes debt.
void addDebit(Balance& balance, Money amount);

// The record that holds a person's money: the client's, the dependent's own, or with
// "UnicaConta" the holder's for a dependent. A dependent without a readable holder keeps
// its own account.
struct AccountRef {
    FileKind kind = FileKind::Clients;
    std::int16_t number = 0;

    bool isClient() const { return kind == FileKind::Clients; }
};
AccountRef accountOf(const AppState& state, PersonRef person);

} // namespace tavolim::core
