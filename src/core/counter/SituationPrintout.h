#pragma once

#include <string>

namespace tavolim::core {

class AppState;
class ReceiptBuilder;
struct Situation;

// The body of the situation printout: for each tape its code and title, taken and due
// dates with the daily periods, the lateness and fines when late ("Atraso:", " multas")
// and its total; then the account's amounts.
std::string situationPrintoutBody(const ReceiptBuilder& builder, const Situation& situation);

// cmdImprimir: one copy headed "#Situacao de Cliente#" with the person's lines and the
// "ObsPag" closing text, then the reminder to take the printout.
bool printSituation(AppState& state, const Situation& situation);

} // namespace tavolim::core
