#pragma once

#include "core/counter/Account.h"
#include "core/store/Money.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace tavolim::core {
class AppState;
struct Situation;
} // namespace tavolim::core

namespace tavolim::app {

// The counter windows the client situation starts, set by whoever opens it. Each runs its
// window modally and gives true when it wrote something, and the situation is filled again.
// An opener left empty keeps its button disabled.
struct CounterOpeners {
    // The rental for the person; `tapesAtHome` is what the tapes already at home cost today;
    // `tape`, when not 0, goes in first (Locar was chosen in the reservations dialog).
    std::function<bool(core::AppState&, core::PersonRef, core::Money tapesAtHome, QWidget*,
                       std::int16_t tape)>
        rental;
    // The return of the tapes the situation shows, with their charges.
    std::function<bool(core::AppState&, const core::Situation&, QWidget*)> giveBack;
    // The quick return: the same with only the tape found marked; unset, giveBack serves.
    std::function<bool(core::AppState&, const core::Situation&, std::int16_t tape, QWidget*)>
        quickReturn;
    // The payment of the situation's "Valor Devido".
    std::function<bool(core::AppState&, core::PersonRef, core::Money amountDue, QWidget*)> payment;
    // The sale to the person, with the account as the situation shows it.
    std::function<bool(core::AppState&, const core::Situation&, QWidget*)> sale;
};

// The program's own counter windows: rental, return, quick return, payment and sale.
CounterOpeners counterWindows();

} // namespace tavolim::app
