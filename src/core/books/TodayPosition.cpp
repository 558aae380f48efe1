#include "core/books/TodayPosition.h"

#include "core/books/PositionFile.h"
#include "core/shell/AppState.h"
#include "core/shell/BusinessDay.h"

namespace tavolim::core {

std::optional<std::int32_t> locateTodayRecord(AppState& state, const PositionFile& file)
{
    if (auto n = file.appendRecordFor(state.DataDia)) {
        return n;
    }
    checkDateChange(state);
    if (auto n = file.appendRecordFor(state.DataDia)) {
        return n;
    }
    // Same calendar day, yet not rolled (a file put back from a copy, a failed roll):
    // rolling here beats retrying the check for ever.
    file.rollTo(state.DataDia);
    return file.appendRecordFor(state.DataDia);
}

} // namespace tavolim::core
