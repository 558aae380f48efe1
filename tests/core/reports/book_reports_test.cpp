#include "core/reports/BookForms.h"
#include "core/reports/BookReports.h"
#include "core/reports/HistoryForm.h"

#include "BookListingFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using reporttest::dayOf;
using Lines = std::vector<std::string>;

TapeBookLine tapeLine(std::int16_t tape, const char* title, const char* person, int rentedOn,
                      int cents, int returnedOn = 0, std::int16_t periods = 0)
{
    TapeBookLine l;
    l.record.Fita = tape;
    l.record.Cliente = 1;
    l.record.DataLoc = rentedOn;
    l.record.Valor = Money::fromCents(cents);
    l.record.DataDev = returnedOn;
    l.record.QtdDiarias = periods;
    l.tapeTitle = title ? std::optional<std::string>(title) : std::nullopt;
    l.personName = person;
    return l;
}

SalesBookLine saleLine(int day, const char* description, std::int16_t qty, int cents)
{
    SalesBookLine l;
    l.record.Data = day;
    l.record.Qtd = qty;
    l.record.PrecoUnit = Money::fromCents(cents);
    l.description = description ? std::optional<std::string>(description) : std::nullopt;
    return l;
}

// A hand-made book: Monday 09/03/2026 and Tuesday 10/03/2026.
const std::vector<TapeBookLine> kTapes = {
    tapeLine(12, "Titanic", "Ana Silva", 10032026, 300, 12032026, 2),
    tapeLine(7, "Matrix", "Bia Souza", 9032026, 250),
    tapeLine(345, "O Senhor dos Anéis: A Sociedade do Anel", "Caio Souza", 9032026, 200, 11032026,
             3),
    tapeLine(9, nullptr, "Ana Silva", 10032026, 150),
};

TEST(BookReports, TapeBookReportGroupsByDayWithTheTapesStillOutApart)
{
    struct Case {
        const char* name;
        TapeBookView view;
        std::vector<TapeBookLine> input;
        bool withClient;
        Lines lines;
    };
    const Lines totals = {
        "", "Total de Fitas:                        4", "Fitas Devolvidas:  R$              12,00",
        "Fitas Não Devolvidas:  R$           4,00", "Valor Total:  R$                   16,00"};
    const auto with = [&](Lines body) {
        body.insert(body.end(), totals.begin(), totals.end());
        return body;
    };
    const std::vector<Case> cases = {
        {"rentals with clients", TapeBookView::Rentals, kTapes, true,
         with({"Histórico de Locações por Semana", "De 08/03/2026 a 14/03/2026", "",
               "Loc. em 09/03/2026 Segunda-feira", "  345 O Senhor dos Anéis: A Soc     6,00",
               "      Caio Souza", "Não Devolvidas", "    7 Matrix                        2,50",
               "      Bia Souza", "Sub-Total  R$                       8,50", "",
               "Loc. em 10/03/2026 Terça-feira", "   12 Titanic                       6,00",
               "      Ana Silva", "Não Devolvidas", "    9 Registro Excluído             1,50",
               "      Ana Silva", "Sub-Total  R$                       7,50"})},
        // Returns are grouped by the day they came back.
        {"returns",
         TapeBookView::Returns,
         {kTapes[0], kTapes[2]},
         false,
         {"Histórico de Devoluções por Semana", "De 08/03/2026 a 14/03/2026", "",
          "Dev. em 11/03/2026 Quarta-feira", "  345 O Senhor dos Anéis: A Soc     6,00",
          "Sub-Total  R$                       6,00", "", "Dev. em 12/03/2026 Quinta-feira",
          "   12 Titanic                       6,00", "Sub-Total  R$                       6,00",
          "", "Total de Fitas:                        2",
          "Fitas Devolvidas:  R$              12,00", "Fitas Não Devolvidas:  R$           0,00",
          "Valor Total:  R$                   12,00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);

        const auto report = tapeBookReport(c.input, c.view, PeriodLength::Week,
                                           "De 08/03/2026 a 14/03/2026", c.withClient, 40);

        EXPECT_EQ(report.marker, "#Histórico Loc./Dev.#");
        EXPECT_EQ(report.lines, c.lines);
    }
}

TEST(BookReports, SalesAndHistoryReports)
{
    const std::vector<SalesBookLine> sales = {saleLine(10032026, "Pipoca", 2, 350),
                                              saleLine(9032026, nullptr, 10, 15),
                                              saleLine(10032026, "Refrigerante", 1, 123456)};
    PersonHistoryView rentals;
    rentals.personName = "Ana Silva";
    rentals.rentals = {{12, "Titanic", kTapes[0]}, {7, "Matrix", kTapes[1]}, {4, std::nullopt, {}}};
    PersonHistoryView purchases;
    purchases.kind = HistoryKind::Purchases;
    purchases.personName = "Ana Silva";
    purchases.purchases = {{{10032026, 3, 2, Money::fromCents(350)}, "Pipoca"},
                           {{11032026, 4, 10, Money::fromCents(15)}, std::nullopt}};

    const auto salesReport = salesBookReport(sales, PeriodLength::Month, "Mar/2026", 45);
    const auto rentalReport = historyReport(rentals, 40);
    const auto purchaseReport = historyReport(purchases, 40);

    EXPECT_EQ(salesReport.marker, "#HISTÓRICO DE VENDAS#");
    EXPECT_EQ(
        salesReport.lines,
        (Lines{"Histórico de Vendas por Mês", "Mar/2026", "", "Vendas em 09/03/2026 Segunda-feira",
               "Registro Excluído", "  10 x R$    0,15                        1,50",
               "Sub-Total  R$                            1,50", "",
               "Vendas em 10/03/2026 Terça-feira", "Pipoca",
               "  2 x R$    3,50                         7,00", "Refrigerante",
               "  1 x R$1.234,56                     1.234,56",
               "Sub-Total  R$                        1.241,56", "",
               "Unidades:                                  13",
               "Produtos:                                   3",
               "Valor Total:  R$                     1.243,06"}));
    EXPECT_EQ(rentalReport.marker, " #Histórico-Locações#");
    EXPECT_EQ(rentalReport.lines,
              (Lines{"Cliente: Ana Silva", "", "   12 Titanic",
                     "Loc. 10/03/2026 Dev. 12/03/2026     6,00", "    7 Matrix",
                     "Loc. 09/03/2026 Dev.                0,00", "    4 Registro Excluído",
                     "Sub-Total  R$                       6,00", "",
                     "Total de Fitas:                        3",
                     "Valor Total:  R$                    6,00"}));
    EXPECT_EQ(purchaseReport.marker, "#Histórico de vendas#");
    EXPECT_EQ(purchaseReport.lines,
              (Lines{"Cliente: Ana Silva", "", "10/03/2026 Pipoca",
                     "  2 x R$    3,50                    7,00", "11/03/2026 Registro Excluído",
                     "  10 x R$    0,15                   1,50",
                     "Sub-Total  R$                       8,50", "",
                     "Unidades:                             12",
                     "Produtos:                              2",
                     "Valor Total:  R$                    8,50"}));
}

class PrintedReportsTest : public reporttest::ReportsFixture {
protected:
    PrintedReportsTest()
    {
        writeTape(1, "Titanic");
        writeClient(1, "Ana", "Silva");
        rent(1, -1, {{1, 300}});
    }
};

TEST_F(PrintedReportsTest, PrintingAsksAboutTheClientFramesTheReportAndReminds)
{
    TapeBookForm tapes(state);
    tapes.chooseList2(0);
    dialogs.answers = {msg::Answer::No};
    const bool printedTapes = tapes.print();
    const auto history = HistoryForm::open(state, {1, true}, HistoryKind::Rentals);
    printer.fail = true;
    const bool printedHistory = history->print();

    EXPECT_TRUE(printedTapes);
    EXPECT_FALSE(printedHistory);
    ASSERT_EQ(printer.printed.size(), 1u);
    const std::string& text = printer.printed[0];
    EXPECT_NE(text.find("#Histórico Loc./Dev.#"), std::string::npos);
    EXPECT_NE(text.find("Histórico de Locações por Dia\r\n10/03/2026\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Ana Silva"), std::string::npos);
    // A report is signed by nobody, and its empty lines keep a space for the printer.
    EXPECT_EQ(text.find("Ass.:"), std::string::npos);
    EXPECT_NE(text.find("10/03/2026\r\n \r\nLoc. em 10/03/2026"), std::string::npos);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{
                  "Deseja imprimir, juntamente com cada fita, o(a) cliente que a locou ?",
                  "Não se esqueça de retirar impressão!",
                  "Não foi possível imprimir.\n\nConfigure uma impressora, ou salve o recibo em "
                  "PDF."}));
    EXPECT_EQ(dialogs.messages[0].flags, msg::Question + msg::YesNo);
}

} // namespace
} // namespace tavolim::core
