#pragma once

#include "core/books/PositionFile.h"

namespace tavolim::core {

class AppState;

// Bringing the books and the daily totals up to the current day (DataDia), and moving
// CaixaDia between memory and Caixa.tvl. The start of the business day calls them in order:
// rollCaixa, rollSalesPositions, rollTapePositions, loadCaixaDia.

// Appends zeroed daily totals up to the current day and clears CaixaDia.
RollOutcome rollCaixa(AppState& state);
// PosLivCx.tvl.
RollOutcome rollSalesPositions(AppState& state);
// PosLivFt.tvl, then PosFtDev.tvl; the first outcome that is not a success wins.
RollOutcome rollTapePositions(AppState& state);

// CaixaDia from the current day's record; zeros when the file has no record for it.
void loadCaixaDia(AppState& state);
// CaixaDia to the current day's record.
bool saveCaixaDia(AppState& state);

} // namespace tavolim::core
