#pragma once

#include "core/store/Money.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavolim::core {

class RecordStore;

// A person's situation in three letters, as the client listing shows it, tested in this
// order: "Atr" tapes out and one overdue (the day is past its DataBase + DiasBase), "Loc"
// tapes out, none overdue, "Deb" a debt, "Sld" a credit, "Nrm" otherwise.
//
// `dueDate` gives a tape's due day by code; nullopt when the tape holds no due date (a
// damaged record), which never counts as overdue.
std::string situationCode(
    std::span<const std::int16_t> tapesOut, Money valorPago, Money valorDevido,
    std::chrono::sys_days today,
    const std::function<std::optional<std::chrono::sys_days>(std::int16_t)>& dueDate);

// Due days of every tape, read from the tape file in one pass: the look-up the listing
// of a whole store needs without reading a tape record per person.
class DueDates {
public:
    explicit DueDates(const RecordStore& records);

    std::optional<std::chrono::sys_days> operator()(std::int16_t tape) const;

private:
    // Indexed by tape code; days since the epoch, or a value below every date for none.
    std::vector<std::int32_t> m_days;
};

} // namespace tavolim::core
