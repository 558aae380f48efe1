#pragma once

#include "core/tools/StoreAudit.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace tavolim::core {

// What the books' audit needs of a tape (index = tape code; slot 0 unused).
struct AuditedTape {
    bool present = false; // Codigo not 0
    bool deleted = false;
    std::int16_t renter = 0; // ClienteFita; out when above 0
    bool holder = false;
    std::int32_t rentedOn = 0; // DataRetirada
};

// The day-indexed files: their headers, days after `today`, the tapes out against the open
// entries of the tape book and the daily totals against the books (see auditStore).
void auditBooks(const std::filesystem::path& folder, std::chrono::year_month_day today,
                const std::vector<AuditedTape>& tapes, std::vector<AuditFinding>& findings);

} // namespace tavolim::core
