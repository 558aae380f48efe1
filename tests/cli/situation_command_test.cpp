#include "ToolRun.h"
#include "core/shell/NewInstallation.h"
#include "core/store/ClientRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"

namespace tavolim::cli {
namespace {

using core::FileKind;
using core::Money;
using namespace std::chrono;

// A store whose client 1 has two tapes at home, taken on 01/12/2026 for one day at 4,00:
// tape 1 on the client's own account and tape 2 as a freebie, with a debt of 2,50.
class SituationCommandTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(temp.path(), year{2026} / 12 / 1));
        core::RecordStore store(temp.path());
        for (std::int16_t code : {1, 2}) {
            auto& t = store.tape();
            t = core::TapeRecord{};
            t.Codigo = code;
            t.Nome = code == 1 ? "Tubarão" : "Ghost";
            t.Selo = 1;
            t.Midia = 1;
            t.DataRetirada = 1122026;
            t.DataBase = 1122026;
            t.Dias = 1;
            t.DiasBase = 1;
            t.QtdLocadas = 2;
            t.QtdBase = 2;
            t.Brinde = code == 2;
            t.ValorLocacao = code == 1 ? Money::fromReais(4) : Money();
            t.ClienteFita = 1;
            t.ClienteTitular = true;
            ASSERT_TRUE(store.writeRecord(FileKind::Tapes, code));
        }
        auto& c = store.client();
        c = core::ClientRecord{};
        c.Codigo = 1;
        c.PrimNome = "Ana";
        c.SobreNome = "Souza";
        c.Fitas[0] = 1;
        c.Fitas[1] = 2;
        c.NumFitas = 2;
        c.ValorDevido = Money::fromReais(2.5);
        ASSERT_TRUE(store.writeRecord(FileKind::Clients, 1));
    }

    std::pair<int, std::string> situation(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"situacao"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = tool(args);
        return {r.code, r.code == 0 ? r.out : r.err};
    }
};

TEST_F(SituationCommandTest, PrintsEachTapeAndTheFiveTotalsAsTheCounterShowsThem)
{
    // On the rental day nothing is late: the tape costs its price, the freebie nothing.
    const auto [code, out] = situation({"--cliente", "1", "--hoje", "01/12/2026"});

    ASSERT_EQ(code, 0) << out;
    EXPECT_EQ(out, "Ana Souza\n"
                   "1\tTubarão\t4,00\t1\t0\t1\t4,00\t\n"
                   "2\tGhost\tBrinde\t1\t0\t0\t0,00\t\n"
                   "-Total Fitas-->\t4,00\n"
                   "-Outros Gastos-->\t2,50\n"
                   "-Sub-Total-->\t6,50\n"
                   "-Valor Pago Adiantado-->\t0,00\n"
                   "-Valor Devido-->\t6,50\n");
}

TEST_F(SituationCommandTest, LateDaysAreChargedFromTheGivenDay)
{
    // Due 02/12; on 04/12 the days 02 and 03 are charged at the label's 4,00 on top of the
    // price, and the freebie's free first day over, its 03/12.
    const auto [code, out] =
        situation({"--cliente", "1", "--hoje", "04/12/2026", "--agora", "10:00"});

    ASSERT_EQ(code, 0) << out;
    EXPECT_NE(out.find("1\tTubarão\t4,00\t1\t3\t3\t12,00\t\n"), std::string::npos) << out;
    EXPECT_NE(out.find("2\tGhost\tBrinde\t1\t3\t1\t4,00\t\n"), std::string::npos) << out;
    EXPECT_NE(out.find("-Total Fitas-->\t16,00\n"), std::string::npos) << out;
}

TEST_F(SituationCommandTest, AMissingPersonOrStoreIsAnError)
{
    EXPECT_EQ(situation({"--cliente", "7"}),
              std::make_pair(1, std::string("O cliente 7 não existe.\n")));
    EXPECT_EQ(situation({"--dependente", "1"}).first, 1);
}

} // namespace
} // namespace tavolim::cli
