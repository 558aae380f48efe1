#pragma once

#include "cli/CommandLine.h"

#include <ostream>

namespace tavolim::cli {

// The books as the windows show them, for scripts and exports: one line per grid row, the
// cells in the grid's column order separated by tabs. Messages go to `err` with exit 1; what
// could be read of a damaged book is still printed. Nothing is written to the data folder.

// `livro-fitas --de F --ate L [--devolucoes]`: frmLivroFitas over the days F..L.
int listTapeBookCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `livro-caixa --de F --ate L`: frmLivroCaixa.
int listSalesBookCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `resumo-dia [--hoje D]`: the daily summary of day D (the clock's day without --hoje).
int dailySummaryCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
// `historico (--cliente N | --dependente N) [--produtos]`: frmHist.
int historyCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

} // namespace tavolim::cli
