#include "core/books/DayRoll.h"

#include "core/books/DailyTotalsFile.h"
#include "core/state/AppState.h"

namespace tavolim::core {
namespace {

bool succeeded(RollOutcome o)
{
    return o == RollOutcome::UpToDate || o == RollOutcome::Rolled;
}

} // namespace

RollOutcome rollCaixa(AppState& state)
{
    const auto outcome = DailyTotalsFile(state.dataFolder()).rollTo(state.DataDia);
    state.CaixaDia = DailyTotalsRecord{};
    return outcome;
}

RollOutcome rollSalesPositions(AppState& state)
{
    return PositionFile(state.dataFolder(), Book::Sales).rollTo(state.DataDia);
}

RollOutcome rollTapePositions(AppState& state)
{
    const auto rentals = PositionFile(state.dataFolder(), Book::Rentals).rollTo(state.DataDia);
    const auto returns = PositionFile(state.dataFolder(), Book::Returns).rollTo(state.DataDia);
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
