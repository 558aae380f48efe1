#include "core/books/TodayPosition.h"

#include "core/books/PositionFile.h"
#include "core/state/AppState.h"

namespace tavolim::core {

std::optional<std::int32_t> locateTodayRecord(AppState& state, const PositionFile& file)
{
    if (auto n = file.appendRecordFor(state.DataDia)) {
        return n;
    }
    // Not rolled to the current day (a file put back from a copy, a failed roll): the callers
    // have already run the date-change check, so rolling here is what is left.
    file.rollTo(state.DataDia);
    return file.appendRecordFor(state.DataDia);
}

} // namespace tavolim::core
