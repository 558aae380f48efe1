#include "core/books/DayRoll.h"

#include "core/books/DailyTotalsFile.h"
#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

bool succeeded(RollOutcome o)
{
    return o == RollOutcome::UpToDate || o == RollOutcome::Rolled;
}

// A header that holds no date the store could have started on is rebuilt by the roll; the
// operator hears which file and the first day it now has.
template <class File, class FirstDay>
RollOutcome rollTelling(AppState& state, const File& file, const std::filesystem::path& path,
                        FirstDay firstDay)
{
    const bool damaged = file.recordCount() >= 1 && !firstDay();
    const RollOutcome outcome = file.rollTo(state.DataDia);
    if (damaged) {
        const auto now = firstDay();
        state.ports().dialogs.message(
            "O cabeçalho do arquivo '" + path.filename().string() +
                "' estava danificado e foi refeito" +
                (now ? ": o primeiro dia do arquivo agora é " + dateToText(fromYmd(*now)) + "."
                     : "."),
            msg::Exclamation);
    }
    return outcome;
}

} // namespace

RollOutcome rollCaixa(AppState& state)
{
    const DailyTotalsFile file(state.dataFolder());
    const auto outcome = rollTelling(state, file, file.path(), [&] { return file.base(); });
    state.CaixaDia = DailyTotalsRecord{};
    return outcome;
}

namespace {

RollOutcome rollPositions(AppState& state, Book book)
{
    const PositionFile file(state.dataFolder(), book);
    return rollTelling(state, file, file.positionPath(), [&] { return file.firstDay(); });
}

} // namespace

RollOutcome rollSalesPositions(AppState& state)
{
    return rollPositions(state, Book::Sales);
}

RollOutcome rollTapePositions(AppState& state)
{
    const auto rentals = rollPositions(state, Book::Rentals);
    const auto returns = rollPositions(state, Book::Returns);
    return succeeded(rentals) ? returns : rentals;
}

void loadCaixaDia(AppState& state)
{
    state.CaixaDia =
        DailyTotalsFile(state.dataFolder()).read(state.DataDia).value_or(DailyTotalsRecord{});
}

bool saveCaixaDia(AppState& state)
{
    return DailyTotalsFile(state.dataFolder()).write(state.DataDia, state.CaixaDia);
}

} // namespace tavolim::core
