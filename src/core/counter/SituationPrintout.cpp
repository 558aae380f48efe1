#include "core/counter/SituationPrintout.h"

#include "core/counter/Situation.h"
#include "core/ports/Dialogs.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptPrinter.h"
#include "core/printing/ReceiptText.h"
#include "core/state/AppState.h"
#include "core/store/TextHelpers.h"

#include <chrono>

namespace tavolim::core {
namespace {

std::string dueDateText(const TapeAtHome& tape)
{
    const auto base = toYmd(tape.DataBase);
    if (!base) {
        return dateToText(0);
    }
    return dateToText(fromYmd(std::chrono::sys_days(*base) + std::chrono::days{tape.DiasBase}));
}

} // namespace

std::string situationPrintoutBody(const ReceiptBuilder& builder, const Situation& situation)
{
    std::string body;
    for (const TapeAtHome& tape : situation.tapes) {
        body += builder.line(std::to_string(tape.code) + " - " + tape.Nome);
        const int periods = tape.charge ? tape.charge->periods : 0;
        body += builder.line(dateToText(tape.DataRetirada) + " a " + dueDateText(tape) +
                             "  Diárias: " + std::to_string(periods));
        if (tape.charge && tape.charge->fine.isLate()) {
            const LateFine& fine = tape.charge->fine;
            body +=
                builder.line("Atraso: " + std::to_string(fine.late) + (fine.inHours ? "h " : "d ") +
                             std::to_string(fine.periods) + " multas");
        }
        body += builder.line(amountLine("Total", tape.charge ? tape.charge->amount : Money()));
    }
    body += builder.line(amountLine("Fitas em casa", situation.totalFitas));
    body += builder.line(amountLine("Outros Débitos", situation.outrosGastos));
    body += builder.line(amountLine("Sub-Total", situation.subTotal));
    body += builder.line(amountLine("Valor Pago Adiantado", situation.valorPagoAdiantado));
    body += builder.line(
        amountLine("Valor Devido", situation.owes() ? situation.valorDevido : Money()));
    body +=
        builder.line(amountLine("Saldo", situation.owes() ? Money() : situation.balanceAmount()));
    return body;
}

bool printSituation(AppState& state, const Situation& situation)
{
    const ReceiptPerson person = receiptPersonOf(state.records(), situation.person);
    ReceiptBuilder builder(state);
    const std::string text =
        builder.header("#Situacao de Cliente#", &person, ReceiptBuilder::NoNumber) +
        situationPrintoutBody(builder, situation) + builder.footer("ObsPag", false);
    const bool printed = ReceiptPrinter(state).printText(text);
    if (printed) {
        state.ports().dialogs.message(std::string(kRemovePrintout), msg::Information);
    }
    return printed;
}

} // namespace tavolim::core
