#include "core/books/DailyTotalsFile.h"
#include "core/books/DayRoll.h"
#include "core/reports/DailySummary.h"
#include "core/store/DailyTotalsRecord.h"

#include "core/books/BookFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using booktest::dayOf;

std::string zeroSummary()
{
    return "  N° de Locações : 0\n"
           "  N° de Fitas Locadas : 0\n"
           "  N° de Devoluções : 0\n"
           "  N° de Fitas Devolvidas : 0\n"
           "  N° de Vendas : 0\n"
           "  N° de Itens Vendidos : 0\n"
           "\n"
           "               Valores\n"
           "  Locações :  Pago       R$ 0,00\n"
           "              Em Haver   R$ 0,00\n"
           "              Total      R$ 0,00\n"
           "  Devoluções: Pago       R$ 0,00\n"
           "  Pagamentos :           R$ 0,00\n"
           "  Créditos (Pago):       R$ 0,00\n"
           "  Débitos (Haver):       R$ 0,00\n"
           "  Vendas :    Pago       R$ 0,00\n"
           "              Em Haver   R$ 0,00\n"
           "              Total      R$ 0,00\n"
           "  Entrada                R$ 0,00\n"
           "  Movimentações Em Haver R$ 0,00\n"
           "  Total Movimentações    R$ 0,00\n"
           "             Estatísticas\n"
           "  Média de Fitas Locadas por pessoa\n"
           "    0,0\n"
           "  Média de Itens Comprados por pessoa\n"
           "    0,0\n"
           "  Média de gasto em Locações por pessoa\n"
           "    R$ 0,00\n"
           "  Média de gasto em Vendas por pessoa\n"
           "    R$ 0,00\n"
           "  Média de gasto Total por pessoa\n"
           "    R$ 0,00\n";
}

TEST(DailySummary, ABusyDayLineForLine)
{
    DailyTotalsRecord t;
    t.NumLocacoes = 3;
    t.FitasLocadas = 7;
    t.NumDevolucoes = 2;
    t.FitasDevolvidas = 4;
    t.NumVendas = 2;
    t.ItensVendidos = 5;
    t.LocPago = Money::fromCents(1500);
    t.LocHaver = Money::fromCents(350);
    t.DevPago = Money::fromCents(800);
    t.Pagamentos = Money::fromCents(1000);
    t.Creditos = Money::fromCents(2000);
    t.Debitos = Money::fromCents(125);
    t.VendaPago = Money::fromCents(123456);
    t.VendaHaver = Money::fromCents(44);

    const std::string text = dailySummaryText(t);

    EXPECT_EQ(text, "  N° de Locações : 3\n"
                    "  N° de Fitas Locadas : 7\n"
                    "  N° de Devoluções : 2\n"
                    "  N° de Fitas Devolvidas : 4\n"
                    "  N° de Vendas : 2\n"
                    "  N° de Itens Vendidos : 5\n"
                    "\n"
                    "               Valores\n"
                    "  Locações :  Pago       R$ 15,00\n"
                    "              Em Haver   R$ 3,50\n"
                    "              Total      R$ 18,50\n"
                    "  Devoluções: Pago       R$ 8,00\n"
                    "  Pagamentos :           R$ 10,00\n"
                    "  Créditos (Pago):       R$ 20,00\n"
                    "  Débitos (Haver):       R$ 1,25\n"
                    "  Vendas :    Pago       R$ 1.234,56\n"
                    "              Em Haver   R$ 0,44\n"
                    "              Total      R$ 1.235,00\n"
                    "  Entrada                R$ 1.287,56\n"
                    "  Movimentações Em Haver R$ 5,19\n"
                    "  Total Movimentações    R$ 1.292,75\n"
                    "             Estatísticas\n"
                    "  Média de Fitas Locadas por pessoa\n"
                    "    2,3\n"
                    "  Média de Itens Comprados por pessoa\n"
                    "    2,5\n"
                    "  Média de gasto em Locações por pessoa\n"
                    "    R$ 6,17\n"
                    "  Média de gasto em Vendas por pessoa\n"
                    "    R$ 617,50\n"
                    "  Média de gasto Total por pessoa\n"
                    "    R$ 250,70\n");
}

TEST(DailySummary, AveragesOverNoRentalOrNoSaleAreZero)
{
    struct Case {
        std::int16_t rentals, tapes, sales;
        std::int32_t items;
        int rentalCents, salesCents;
        std::vector<std::string> averages; // the five values, in order
    };
    const std::vector<Case> cases = {
        // Rentals only: the total average is the rental average.
        {2, 3, 0, 0, 700, 0, {"1,5", "0,0", "R$ 3,50", "R$ 0,00", "R$ 3,50"}},
        {0, 0, 4, 6, 0, 1000, {"0,0", "1,5", "R$ 0,00", "R$ 2,50", "R$ 2,50"}},
        {0, 0, 0, 0, 0, 0, {"0,0", "0,0", "R$ 0,00", "R$ 0,00", "R$ 0,00"}},
        // Counts wrecked by a bad file are no count.
        {-2, 5, -1, 3, 700, 300, {"0,0", "0,0", "R$ 0,00", "R$ 0,00", "R$ 0,00"}},
        {3, 1, 3, 2, 100, 200, {"0,3", "0,7", "R$ 0,33", "R$ 0,67", "R$ 0,50"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rentals) + "/" + std::to_string(c.sales));
        DailyTotalsRecord t;
        t.NumLocacoes = c.rentals;
        t.FitasLocadas = c.tapes;
        t.NumVendas = c.sales;
        t.ItensVendidos = c.items;
        t.LocPago = Money::fromCents(c.rentalCents);
        t.VendaPago = Money::fromCents(c.salesCents);

        const std::string text = dailySummaryText(t);

        std::vector<std::string> averages;
        const std::string tail = text.substr(text.find("Estatísticas"));
        for (std::size_t at = tail.find("\n    "); at != std::string::npos;
             at = tail.find("\n    ", at + 1)) {
            averages.push_back(tail.substr(at + 5, tail.find('\n', at + 1) - at - 5));
        }
        EXPECT_EQ(averages, c.averages);
    }
}

class DailySummaryStoreTest : public booktest::BookFixture {};

TEST_F(DailySummaryStoreTest, SavesTheDayAndAfterADayChangeShowsOnlyZeros)
{
    state.CaixaDia.NumLocacoes = 2;
    state.CaixaDia.LocPago = Money::fromCents(600);
    const auto today = dailySummary(state);
    clock.date = dayOf(2026, 3, 11);

    const auto tomorrow = dailySummary(state);

    ASSERT_TRUE(today && tomorrow);
    EXPECT_NE(today->find("  N° de Locações : 2\n"), std::string::npos);
    EXPECT_EQ(*tomorrow, zeroSummary());
    EXPECT_EQ(state.DataDia, dayOf(2026, 3, 11));
    // The old day's totals reached its record before the day moved on.
    const DailyTotalsFile totals(folder.path());
    EXPECT_EQ(totals.read(dayOf(2026, 3, 10))->LocPago, Money::fromCents(600));
}

} // namespace
} // namespace tavolim::core
