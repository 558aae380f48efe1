#pragma once

#include "core/counter/Account.h"

#include <chrono>
#include <cstddef>
#include <optional>

namespace tavolim::core {

class Dialogs;
struct Situation;

// Clicks on lstClientes: a click on another person of the family shows that person. A
// click sooner than kPause after the last one followed says "Vá mais devagar!" and is let
// go, so that a burst of clicks does not reload the whole family once per click. Times come
// from a steady clock, in any origin.
class FamilyClicks {
public:
    static constexpr std::chrono::milliseconds kPause{700};

    explicit FamilyClicks(Dialogs& dialogs) : m_dialogs(dialogs) {}

    // The person to show for a click on `row`; nullopt for the person already shown, a row
    // past the list, or a click too soon.
    std::optional<PersonRef> click(const Situation& shown, std::size_t row,
                                   std::chrono::milliseconds now);

private:
    Dialogs& m_dialogs;
    std::optional<std::chrono::milliseconds> m_last;
};

} // namespace tavolim::core
