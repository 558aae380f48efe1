#include "ToolRun.h"
#include "core/books/DayRoll.h"
#include "core/books/Histories.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/day/BusinessDay.h"
#include "core/shell/NewInstallation.h"
#include "core/state/AppState.h"
#include "core/store/BinaryFile.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/QuietPorts.h"

#include <optional>

namespace tavolim::cli {
namespace {

using core::FileKind;
using core::Money;
using namespace std::chrono;

// The program ran on 10/03/2026, when Ana (client 1) took Titanic and her dependent Bia
// (dependent 2) took Matrix and bought two pipocas, and on 12/03/2026, when Titanic came
// back after two periods.
class BookCommandsTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        const auto tenth = year{2026} / 3 / 10;
        ASSERT_TRUE(core::createNewInstallation(temp.path(), tenth));
        core::QuietPorts ports(tenth);
        core::AppState state(temp.path(), ports.ports());
        state.loadOptions();
        state.options().GravHistFita = true;
        core::startDay(state, false);
        auto& records = state.records();
        for (const auto& [code, title] : {std::pair{1, "Titanic"}, std::pair{2, "Matrix"}}) {
            core::TapeRecord t;
            t.Nome = title;
            ASSERT_TRUE(records.save(code, t));
        }
        core::ClientRecord ana;
        ana.PrimNome = "Ana";
        ana.SobreNome = "Silva";
        ASSERT_TRUE(records.save(1, ana));
        core::DependentRecord bia;
        bia.PrimNome = "Bia";
        bia.SobreNome = "Silva";
        bia.Titular = 1;
        bia.RegHistProd = core::allocateHistory(records, FileKind::ProductHistory);
        ASSERT_TRUE(records.save(2, bia));
        core::ProductRecord pipoca;
        pipoca.Descricao = "Pipoca";
        pipoca.CodigoBarras = "789";
        ASSERT_TRUE(records.save(3, pipoca));

        const core::RentedTape titanic[] = {{1, Money::fromCents(300)}};
        ASSERT_TRUE(core::appendRentals(state, titanic, 1, -1, ana.RegHistFita));
        ASSERT_TRUE(records.save(1, ana));
        const core::RentedTape matrix[] = {{2, Money::fromCents(250)}};
        ASSERT_TRUE(core::appendRentals(state, matrix, 1, 2, bia.RegHistFita));
        ASSERT_TRUE(records.save(2, bia));
        const core::SoldLine pipocas[] = {{3, 2, Money::fromCents(350)}};
        ASSERT_TRUE(core::appendSales(state, pipocas));
        ASSERT_TRUE(core::Histories(temp.path())
                        .appendProductHistory(bia.RegHistProd, 3, 2, Money::fromCents(350), tenth));
        state.CaixaDia.NumLocacoes = 2;
        state.CaixaDia.FitasLocadas = 2;
        state.CaixaDia.LocPago = Money::fromCents(550);

        ports.date = year{2026} / 3 / 12;
        core::startDay(state, true);
        const core::ReturnedTape back[] = {{1, 2, Money::fromCents(600), 10032026}};
        core::markReturns(state, back);
        ASSERT_TRUE(core::saveCaixaDia(state));
    }
};

TEST_F(BookCommandsTest, BooksComeOutAsTheGridsShowThem)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::string titanic =
        "\t10/03/2026\t12/03/2026\t2\t1\tTitanic\t3,00\t2\t6,00\tAna Silva\t1\n";
    const std::string matrix = "2\t10/03/2026\t\t0\t2\tMatrix\t2,50\t0\t0,00\tBia Silva\t2\n";
    const std::vector<Case> cases = {
        {{"livro-fitas", "--de", "01/03/2026", "--ate", "31/03/2026"}, "1" + titanic + matrix},
        {{"livro-fitas", "--devolucoes", "--de", "12/03/2026", "--ate", "12/03/2026"},
         "1" + titanic},
        {{"livro-fitas", "--de", "11/03/2026", "--ate", "11/03/2026"}, ""},
        {{"livro-caixa", "--de", "10/03/2026", "--ate", "12/03/2026"},
         "1\t10/03/2026\t789\tPipoca\t3,50\t2\t7,00\n"},
        {{"historico", "--cliente", "1"},
         "1\t10/03/2026\t12/03/2026\t2\t1\tTitanic\t3,00\t2\t6,00\n"},
        {{"historico", "--dependente", "2", "--produtos"},
         "1\t10/03/2026\t3\tPipoca\t3,50\t2\t7,00\n"},
        {{"historico", "--produtos", "--cliente", "1"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));

        const auto r = tool(c.args);

        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_TRUE(r.err.empty());
    }
}

TEST_F(BookCommandsTest, TheDailySummaryOfADayIsItsText)
{
    const auto tenth = tool({"--hoje", "10/03/2026", "resumo-dia"});
    const auto later = tool({"resumo-dia", "--hoje", "20/03/2026"});

    EXPECT_EQ(tenth.code, 0);
    EXPECT_EQ(tenth.out.rfind("  N° de Locações : 2\n  N° de Fitas Locadas : 2\n", 0), 0u);
    EXPECT_NE(tenth.out.find("  Locações :  Pago       R$ 5,50\n"), std::string::npos);
    EXPECT_NE(tenth.out.find("  Média de gasto em Locações por pessoa\n    R$ 2,75\n"),
              std::string::npos);
    // A day not begun yet has done nothing.
    EXPECT_EQ(later.code, 0);
    EXPECT_NE(later.out.find("  N° de Locações : 0\n"), std::string::npos);
}

TEST_F(BookCommandsTest, WhatCannotBeListedIsSaidOnTheErrorStream)
{
    struct Case {
        std::vector<std::string> args;
        std::string err;
        std::string out;
    };
    const auto pristine = core::binaryfile::readAll(temp.file("PosLivFt.tvl"));
    const std::vector<Case> cases = {
        {{"livro-fitas", "--de", "13/03/2026", "--ate", "20/03/2026"},
         "Não há registros nesta data.\n",
         ""},
        {{"livro-caixa", "--de", "13/03/2026", "--ate", "13/03/2026"},
         "Uma das datas está incorreta.\n",
         ""},
        {{"historico", "--cliente", "9"}, "O cliente 9 não existe.\n", ""},
        {{"resumo-dia", "--hoje", "09/03/2026"},
         "O arquivo Caixa.tvl não tem o dia 09/03/2026.\n",
         ""},
        // The position file lost 12/03: what it holds is still listed.
        {{"livro-fitas", "--de", "10/03/2026", "--ate", "12/03/2026"},
         "O arquivo PosLivFt.tvl só tem dias até 11/03/2026; os dias seguintes do período não "
         "puderam ser lidos.\n",
         "1\t10/03/2026\t12/03/2026\t2\t1\tTitanic\t3,00\t2\t6,00\tAna Silva\t1\n"
         "2\t10/03/2026\t\t0\t2\tMatrix\t2,50\t0\t0,00\tBia Silva\t2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        ASSERT_TRUE(core::binaryfile::writeNew(temp.file("PosLivFt.tvl"), pristine));
        if (c.out.size() > 0) {
            std::filesystem::resize_file(temp.file("PosLivFt.tvl"), 3 * 6);
        }

        const auto r = tool(c.args);

        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(BookCommandsTest, WrongUsageOfTheBookCommandsExitsWithTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {"livro-fitas"},
        {"livro-fitas", "--de", "01/03/2026"},
        {"livro-fitas", "--de", "32/03/2026", "--ate", "01/04/2026"},
        {"livro-fitas", "--de", "02/03/2026", "--ate", "01/03/2026"},
        {"livro-fitas", "--de", "01/03/2026", "--ate"},
        {"livro-caixa", "--de", "01/03/2026", "--ate", "02/03/2026", "--devolucoes"},
        {"livro-fitas", "--de", "01/03/2026", "--ate", "02/03/2026", "--hoje", "02/03/2026"},
        {"resumo-dia", "--de", "01/03/2026", "--ate", "02/03/2026"},
        {"resumo-dia", "--agora", "10:00"},
        {"historico"},
        {"historico", "--cliente", "1", "--dependente", "2"},
        {"historico", "--cliente", "1", "extra"},
        {"situacao", "--cliente", "1", "--de", "01/03/2026"},
        {"exemplo", "--produtos"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));

        const auto r = tool(args);

        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("uso: tavolim-tool"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_NE(tool({"--ajuda"}).out.find("livro-fitas --de dd/mm/aaaa --ate dd/mm/aaaa"),
              std::string::npos);
}

} // namespace
} // namespace tavolim::cli
