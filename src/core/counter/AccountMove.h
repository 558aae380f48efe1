#pragma once

#include "core/counter/Account.h"
#include "core/store/Money.h"

#include <optional>
#include <string>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;

// A loose credit (money received) or debit (money charged) recorded from the client
// situation, with no tape or product involved.
enum class AccountMoveKind { Credit, Debit };

// The value prompt's title: "Crédito" or "Débito".
std::string accountMoveTitle(AccountMoveKind kind);
// The prompt's print box starts from "ImpNotaCred" / "ImpNotaDeb".
bool accountMovePrintDefault(const AppState& state, AccountMoveKind kind);

// cmdCredito / cmdDebito once the prompt closed: `typed` is nullopt when it was cancelled;
// a cancelled or empty prompt does nothing (false). Otherwise AddCredit or AddDebit, the
// day's totals (Creditos and Entrada, or Debitos), the receipt copies when `print`, and
// the account's record. The print box's state is kept for the next prompt.
bool recordAccountMove(AppState& state, PersonRef person, AccountMoveKind kind,
                       const std::optional<std::string>& typed, bool print);

// cmdCredito / cmdDebito: the value prompt titled "Crédito" or "Débito" with its print box,
// then recordAccountMove. True when the account changed.
bool askAccountMove(AppState& state, PersonRef person, AccountMoveKind kind);

// The receipt body: "Saldo Anterior", "Crédito" or "Débito", "Saldo Atual"; a balance is
// ValorPago - ValorDevido, negative when owing.
std::string accountMoveReceipt(const ReceiptBuilder& builder, AccountMoveKind kind,
                               const Balance& before, Money amount, const Balance& after);

} // namespace tavolim::core
