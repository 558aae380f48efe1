#include "core/reports/DailySummary.h"

#include "core/books/BookFiles.h"
#include "core/books/DayRoll.h"
#include "core/day/BusinessDay.h"
#include "core/ports/Dialogs.h"
#include "core/reports/WriteFailure.h"
#include "core/state/AppState.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace tavolim::core {
namespace {

// Halves away from zero.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t q = numerator / denominator;
    const std::int64_t r = numerator % denominator;
    if (2 * std::llabs(r) >= denominator) {
        return q + (numerator < 0 ? -1 : 1);
    }
    return q;
}

// "0.0" of count / over; 0 when over is not a count.
std::string countAverage(std::int64_t count, std::int64_t over)
{
    const std::int64_t tenths = over > 0 ? roundedQuotient(count * 10, over) : 0;
    const std::int64_t whole = std::llabs(tenths) / 10;
    return (tenths < 0 ? "-" : "") + std::to_string(whole) + "," +
           std::to_string(std::llabs(tenths) % 10);
}

Money moneyAverage(Money total, std::int64_t over)
{
    return over > 0 ? Money::fromThousandths(roundedQuotient(total.thousandths(), over)) : Money();
}

std::string reais(Money value)
{
    return "R$ " + formatMoney(value);
}

} // namespace

std::string dailySummaryText(const DailyTotalsRecord& t)
{
    const std::int64_t rentals = std::max<std::int64_t>(t.NumLocacoes, 0);
    const std::int64_t sales = std::max<std::int64_t>(t.NumVendas, 0);
    const Money rentalTotal = t.LocPago + t.LocHaver;
    const Money salesTotal = t.VendaPago + t.VendaHaver;
    const Money paid = t.LocPago + t.DevPago + t.VendaPago + t.Pagamentos + t.Creditos;
    const Money onAccount = t.LocHaver + t.VendaHaver + t.Debitos;
    // Rental average x rentals + sales average x sales is what was spent on both.
    const Money spent = (rentals > 0 ? rentalTotal : Money()) + (sales > 0 ? salesTotal : Money());

    std::string s;
    const auto line = [&s](const std::string& text) { s += text + "\n"; };
    line("  N° de Locações : " + std::to_string(t.NumLocacoes));
    line("  N° de Fitas Locadas : " + std::to_string(t.FitasLocadas));
    line("  N° de Devoluções : " + std::to_string(t.NumDevolucoes));
    line("  N° de Fitas Devolvidas : " + std::to_string(t.FitasDevolvidas));
    line("  N° de Vendas : " + std::to_string(t.NumVendas));
    line("  N° de Itens Vendidos : " + std::to_string(t.ItensVendidos));
    line("");
    line("               Valores");
    line("  Locações :  Pago       " + reais(t.LocPago));
    line("              Em Haver   " + reais(t.LocHaver));
    line("              Total      " + reais(rentalTotal));
    line("  Devoluções: Pago       " + reais(t.DevPago));
    line("  Pagamentos :           " + reais(t.Pagamentos));
    line("  Créditos (Pago):       " + reais(t.Creditos));
    line("  Débitos (Haver):       " + reais(t.Debitos));
    line("  Vendas :    Pago       " + reais(t.VendaPago));
    line("              Em Haver   " + reais(t.VendaHaver));
    line("              Total      " + reais(salesTotal));
    line("  Entrada                " + reais(paid));
    line("  Movimentações Em Haver " + reais(onAccount));
    line("  Total Movimentações    " + reais(paid + onAccount));
    line("             Estatísticas");
    line("  Média de Fitas Locadas por pessoa");
    line("    " + countAverage(t.FitasLocadas, rentals));
    line("  Média de Itens Comprados por pessoa");
    line("    " + countAverage(t.ItensVendidos, sales));
    line("  Média de gasto em Locações por pessoa");
    line("    " + reais(moneyAverage(rentalTotal, rentals)));
    line("  Média de gasto em Vendas por pessoa");
    line("    " + reais(moneyAverage(salesTotal, sales)));
    line("  Média de gasto Total por pessoa");
    line("    " + reais(moneyAverage(spent, rentals + sales)));
    return s;
}

std::optional<std::string> dailySummary(AppState& state)
{
    errno = 0;
    if (!saveCaixaDia(state)) {
        const int error = errno;
        state.ports().dialogs.message(
            writeFailureText(state.dataFolder() / std::string(kDailyTotalsFile), error),
            msg::Critical, "Erro");
        return std::nullopt;
    }
    checkDateChange(state);
    return dailySummaryText(state.CaixaDia);
}

} // namespace tavolim::core
