#pragma once

#include "core/store/Money.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core {

class ReceiptBuilder;

// What the rental receipt tells: the tapes with their due dates, then the money of the
// rental against the person's account as it was when the rental window opened.
struct RentalReceipt {
    struct Tape {
        std::int16_t code = 0;
        std::string name;
        int term = 0; // days
        bool freebie = false;
    };
    std::vector<Tape> tapes;
    std::chrono::sys_days day{};
    std::chrono::minutes time{}; // the hour the tapes left
    bool hours = false;          // "MostraHorasRec": terms in hours, due dates with the hour

    Money rented; // the rows' prices
    Money surcharge;
    Money discount;
    Money tapesAtHome;
    Money debt;   // ValorDevido when the window opened
    Money credit; // ValorPago when the window opened
    Money paid;

    Money total() const { return rented + surcharge - discount + tapesAtHome + debt; }
    // Positive: still owed; negative: the person's credit.
    Money balance() const { return total() - credit - paid; }
};

inline constexpr const char* kRentalReceiptTitle = "  #Locação#";

// The body under the header: "   Devol." over one pair of lines per tape (code and title,
// then the due date with the term or "Brinde"), then each money line that is not zero.
std::string rentalReceiptBody(const ReceiptBuilder& builder, const RentalReceipt& receipt);

} // namespace tavolim::core
