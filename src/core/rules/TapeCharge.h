#pragma once

#include "core/rules/LateFine.h"
#include "core/store/Money.h"

#include <chrono>
#include <optional>
#include <string>

namespace tavolim::core {

class AppState;
struct GeneralRulesRecord;
struct LabelRecord;
struct TapeRecord;

// How a tape kept past its term is charged ("TipoCobraAtraso"). A store that never chose
// does not charge lateness: the rental itself is still charged.
enum class LateCharging {
    EachDay = 1,    // each late day at the label price
    LabelTerm = 2,  // one more period per started label term
    AgreedTerm = 3, // one more period per started agreed term (Dias)
    ReRent = 4,     // re-rented at each due date (AutoRenew), charged from AcertoValor
    NotCharged = 5,
};
LateCharging lateCharging(int tipoCobraAtraso);

struct ChargeSettings {
    LateCharging late = LateCharging::NotCharged;
    bool cobrarMulta = false;
    std::chrono::sys_days today{};
    std::chrono::minutes now{}; // time of day, for fines in hours
};
// From the options, the working date and the clock.
ChargeSettings chargeSettings(const AppState& state);

// LabelPrice: the price of one tape of the label for `count` tapes of it and the day class.
Money labelPrice(const LabelRecord& label, int count, int dayClass);

// ChargedLateDays: the days from `start` up to yesterday that the store charges (Saturdays
// only with CobraSabado; Sundays and holidays only with CobraDomingo), each at the label
// price for `count` tapes and that day's class.
struct ChargedDays {
    Money amount;
    int days = 0;
};
ChargedDays chargedLateDays(const GeneralRulesRecord& rules, const LabelRecord& label, int count,
                            std::chrono::sys_days start, std::chrono::sys_days today);

// What the client owes today for one tape at home: the periods charged (daily rates), the
// amount with the fine included, and the fine texts of the charge line. A freebie's first
// term is free.
struct TapeChargeLine {
    int days = 0; // whole days since DataRetirada
    int periods = 0;
    Money amount;
    bool freebie = false;
    LateFine fine;
    std::string fineText;       // fineDescription
    std::string fineAmountText; // fineAmountText
};

// TapeCharge on the tape and its label. nullopt when DataRetirada holds no date: the caller
// decides how to show such a tape.
std::optional<TapeChargeLine> tapeCharge(const TapeRecord& tape, const LabelRecord& label,
                                         const GeneralRulesRecord& rules,
                                         const ChargeSettings& settings);

// TapeCharge on a tape with the label it names, read from its file.
std::optional<TapeChargeLine> tapeChargeOf(const AppState& state, const TapeRecord& tape);

} // namespace tavolim::core
