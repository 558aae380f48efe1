#pragma once

#include "core/store/Money.h"

#include <string>

namespace tavolim::core {

class AppState;

// The "Pagamento" box of the counter windows (rental, return, payment, sales): optPagouTudo
// with the amount due in its caption, optPagouParte with the typed amount txtValorPago, and
// optN_oPagou where the operation may be left unpaid.
struct PaymentChoice {
    enum class Option { PagouTudo, PagouParte, NaoPagou };

    Option option = Option::PagouTudo;
    std::string txtValorPago;

    // optPagouTudo's caption: "Pagou &Tudo(R$5,00)".
    static std::string payAllCaption(Money due);

    // What the person pays: the amount due, the typed amount (not a number counts as 0), or 0.
    Money paid(Money due) const;

    enum class Check {
        Go,             // the choice can be confirmed
        FocusValorPago, // optPagouParte with nothing typed: back to the box
        Refused,        // a negative amount, told to the operator
    };
    Check check(AppState& state) const;

    // After the confirmation the box shows what happened: nothing paid reads as optN_oPagou
    // (where the box has it) and the whole amount as optPagouTudo.
    void settle(Money due, bool canPayNothing = true);
};

} // namespace tavolim::core
