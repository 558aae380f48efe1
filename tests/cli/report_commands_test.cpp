#include "ToolRun.h"
#include "core/reports/RecordListings.h"
#include "core/shell/NewInstallation.h"
#include "core/store/ClientRecord.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"

namespace tavolim::cli {
namespace {

using namespace std::chrono;

// Holder 1 Ana with tape 1 (Tubarão, Aventura) out since 01/12/2026 for two days; holder 2
// deleted; tape 2 Alien in; product 1 and distributor 1, Warner, who supplied Tubarão.
class ReportCommandsTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(temp.path(), year{2026} / 12 / 1));
        core::RecordStore store(temp.path());
        core::ClientRecord ana;
        ana.PrimNome = "Ana";
        ana.SobreNome = "Souza";
        ana.TelResidencial = "3232-1111";
        ana.NumFitas = 1;
        ana.Fitas[0] = 1;
        ASSERT_TRUE(store.save(1, ana));
        core::ClientRecord bia;
        bia.PrimNome = "#Bia";
        ASSERT_TRUE(store.save(2, bia));
        core::TapeRecord t;
        t.Nome = "Tubarão";
        t.Selo = 1;
        t.Midia = 1;
        t.Secao = 2;
        t.Distribuidor = 1;
        t.ClienteFita = 1;
        t.ClienteTitular = true;
        t.DataBase = 1122026;
        t.DiasBase = 2;
        ASSERT_TRUE(store.save(1, t));
        t = core::TapeRecord{};
        t.Nome = "Alien";
        t.CodigoBarras = "ALN1";
        t.Selo = 1;
        t.Midia = 1;
        t.Secao = 1;
        ASSERT_TRUE(store.save(2, t));
        core::ProductRecord p;
        p.Descricao = "Pipoca";
        ASSERT_TRUE(store.save(1, p));
        core::DistributorRecord d;
        d.Nome = "Warner";
        ASSERT_TRUE(store.save(1, d));
    }
};

TEST_F(ReportCommandsTest, ListsGiveTheWindowsRowsTabbedOrAsCsv)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"lista", "clientes"}, "Ana Souza\t1\tR\n"},
        {{"lista", "fitas"}, "Tubarão\t1\nAlien\t2\n"},
        {{"lista", "fitas-por-secao", "aventura"}, "Tubarão\t1\n"},
        {{"lista", "fitas-por-secao", "1"}, "Alien\t2\n"},
        {{"lista", "fitas-por-distribuidora", "WARNER"}, "Tubarão\t1\n"},
        {{"lista", "clientes-com-fitas", "--csv"}, "Nome;Código;Tipo\r\nAna Souza;1;R\r\n"},
        {{"--csv", "lista", "produtos"}, "Nome;Código\r\nPipoca;1\r\n"},
    };

    for (const Case& c : cases) {
        const auto r = tool(c.args);

        EXPECT_EQ(r.code, 0) << c.args[1] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err, "") << c.args[1];
    }
}

// The tape is due on 03/12/2026: late the day after, not on the day.
TEST_F(ReportCommandsTest, ListingsPrintTheProgramsTextWithTheSituationOfTheDayGiven)
{
    const auto onTime = tool({"--hoje", "03/12/2026", "listagem", "clientes"});
    const auto late = tool({"listagem", "clientes", "--hoje", "04/12/2026"});
    const auto tapes = tool({"listagem", "fitas"});

    EXPECT_EQ(onTime.code, 0);
    const std::string head = std::string(core::kClientListingHeader) + "\r\n" +
                             std::string(75, '_') + "\r\n   00001  R    Ana Souza";
    EXPECT_EQ(onTime.out, head + std::string(32, ' ') + "3232-1111    Loc\r\n");
    EXPECT_EQ(late.out, head + std::string(32, ' ') + "3232-1111    Atr\r\n");
    EXPECT_EQ(tapes.out, std::string(core::kTapeListingHeader) + "\r\n" + std::string(85, '_') +
                             "\r\n"
                             "   000001   Tubarão                    L  VHS   Catálogo      "
                             "Aventura        L\r\n"
                             "   ALN1     Alien                      L  VHS   Catálogo      "
                             "Ação             \r\n");
}

TEST_F(ReportCommandsTest, SheetsGiveOneRecordAndRefuseADeletedOne)
{
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string firstLine;
    };
    const std::vector<Case> cases = {
        {{"ficha", "cliente", "1"}, 0, "   00001   T Ana Souza\r\n"},
        {{"ficha", "fita", "2"}, 0, "Nome: Alien\r\n"},
        {{"ficha", "produto", "1"}, 0, "Descrição: Pipoca\r\n"},
        {{"ficha", "distribuidora", "1"}, 0, " Código: 00001  Nome: Warner\r\n"},
        {{"ficha", "cliente", "2"}, 1, "O cliente 2 não existe ou foi excluído.\n"},
        {{"ficha", "distribuidora", "9"}, 1, "A distribuidora 9 não existe ou foi excluída.\n"},
    };

    for (const Case& c : cases) {
        const auto r = tool(c.args);

        EXPECT_EQ(r.code, c.code) << c.args[1];
        const std::string& text = c.code == 0 ? r.out : r.err;
        EXPECT_EQ(text.substr(0, c.firstLine.size()), c.firstLine) << c.args[1];
    }
}

TEST_F(ReportCommandsTest, WrongUseAndNamesThatMatchNothingAreTold)
{
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"lista"}, 2, "tavolim-tool: lista pede o nome da lista."},
        {{"lista", "filmes"}, 2, "tavolim-tool: lista desconhecida: filmes."},
        {{"listagem", "fitas-por-selo"},
         2,
         "tavolim-tool: a lista fitas-por-selo pede um argumento."},
        {{"lista", "fitas", "x"}, 2, "tavolim-tool: argumento a mais: x."},
        {{"listagem", "fitas", "--csv"}, 2, "tavolim-tool: --csv é só do comando lista."},
        {{"ficha", "fita", "1", "--hoje", "01/12/2026"},
         2,
         "tavolim-tool: --hoje é só dos comandos situacao, lista e listagem."},
        {{"ficha", "ator", "1"}, 2, "tavolim-tool: tipo de ficha desconhecido: ator."},
        {{"ficha", "fita", "0"},
         2,
         "tavolim-tool: o código deve ser um número de 1 a 32767, não \"0\"."},
        {{"ficha", "fita"}, 2, "tavolim-tool: ficha fita pede um código."},
        {{"lista", "fitas-por-secao", "Faroeste"}, 1, "Seção desconhecida: Faroeste.\n"},
        {{"lista", "fitas-por-distribuidora", "Fox"},
         1,
         "Nenhuma Distribuidora encontrada com este nome.\n"},
        {{"listagem", "fitas-por-ator", "Tom Hanks"},
         1,
         "Nenhum(a) ator/atriz encontrado(a) com este nome.\n"},
        // Nothing qualifies: the program's message, and nothing to print is no failure.
        {{"lista", "fitas-reservadas"}, 0, "Não há reserva de fitas.\n"},
        {{"listagem", "clientes-com-debito"}, 0, "Os Clientes Não Possuem Débitos.\n"},
    };

    for (const Case& c : cases) {
        const auto r = tool(c.args);

        EXPECT_EQ(r.code, c.code) << c.err;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(r.out, "") << c.err;
    }
    const auto empty = run({"--dados", (temp.path() / "vazia").string(), "lista", "fitas"});
    EXPECT_EQ(empty.code, 1);
    EXPECT_NE(empty.err.find("não tem uma instalação do Tavolim"), std::string::npos);
}

TEST(ReportCommandsUsage, HelpNamesTheThreeCommandsAndEveryList)
{
    const auto help = run({"--ajuda"});

    for (const char* word :
         {"lista NOME [ARG]", "listagem NOME [ARG]", "ficha (cliente|fita|produto|distribuidora) N",
          "clientes-titulares", "fitas-por-distribuidora NOME", "distribuidoras"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}

} // namespace
} // namespace tavolim::cli
