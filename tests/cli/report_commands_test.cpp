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

// Each command's output (its start and end) or its refusal; the texts themselves are the
// core's, tested there.
TEST_F(ReportCommandsTest, CommandsPrintTheirReportOrTellWhatIsWrong)
{
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string outStart;
        std::string outEnd;
        std::string err;
    };
    const std::string tapes = std::string(core::kTapeListingHeader) + "\r\n";
    const std::vector<Case> cases = {
        {{"lista", "clientes"}, 0, "Ana Souza\t1\tR\n", "R\n", ""},
        {{"lista", "fitas-por-secao", "aventura"}, 0, "Tubarão\t1\n", "1\n", ""},
        {{"lista", "fitas-por-secao", "1"}, 0, "Alien\t2\n", "2\n", ""},
        {{"lista", "fitas-por-selo", "CATÁLOGO"}, 0, "Tubarão\t1\nAlien\t2\n", "", ""},
        {{"lista", "fitas-por-distribuidora", "WARNER"}, 0, "Tubarão\t1\n", "", ""},
        {{"--csv", "lista", "clientes-com-fitas"},
         0,
         "Nome;Código;Tipo\r\nAna Souza;1;R\r\n",
         "",
         ""},
        // The tape is due on 03/12/2026: late the day after, not on the day.
        {{"--hoje", "03/12/2026", "listagem", "clientes"}, 0, "   Código", "Loc\r\n", ""},
        {{"listagem", "clientes", "--hoje", "04/12/2026"}, 0, "   Código", "Atr\r\n", ""},
        {{"listagem", "fitas"}, 0, tapes, "Ação             \r\n", ""},
        {{"ficha", "cliente", "1"}, 0, "   00001   T Ana Souza\r\n", "\r\n", ""},
        {{"ficha", "fita", "2"}, 0, "Nome: Alien\r\n", "momento.\r\n", ""},
        {{"ficha", "produto", "1"}, 0, "Descrição: Pipoca\r\n", "", ""},
        {{"ficha", "distribuidora", "1"}, 0, " Código: 00001  Nome: Warner\r\n", "", ""},
        {{"ficha", "cliente", "2"}, 1, "", "", "O cliente 2 não existe ou foi excluído.\n"},
        {{"ficha", "distribuidora", "9"},
         1,
         "",
         "",
         "A distribuidora 9 não existe ou foi excluída."},
        {{"lista"}, 2, "", "", "tavolim-tool: lista pede o nome da lista."},
        {{"lista", "filmes"}, 2, "", "", "tavolim-tool: lista desconhecida: filmes."},
        {{"listagem", "fitas-por-selo"},
         2,
         "",
         "",
         "tavolim-tool: a lista fitas-por-selo pede um argumento."},
        {{"lista", "fitas", "x"}, 2, "", "", "tavolim-tool: argumento a mais: x."},
        {{"listagem", "fitas", "--csv"}, 2, "", "", "tavolim-tool: --csv é só do comando lista."},
        {{"ficha", "fita", "1", "--hoje", "01/12/2026"},
         2,
         "",
         "",
         "tavolim-tool: --hoje é só dos comandos situacao, lista, listagem, resumo-dia e verificar."},
        {{"ficha", "ator", "1"}, 2, "", "", "tavolim-tool: tipo de ficha desconhecido: ator."},
        {{"ficha", "fita", "0"},
         2,
         "",
         "",
         "tavolim-tool: o código deve ser um número de 1 a 32767, não \"0\"."},
        {{"ficha", "fita"}, 2, "", "", "tavolim-tool: ficha fita pede um código."},
        {{"lista", "fitas-por-secao", "Faroeste"}, 1, "", "", "Seção desconhecida: Faroeste.\n"},
        {{"lista", "fitas-por-secao", "9"}, 1, "", "", "Seção desconhecida: 9.\n"},
        {{"lista", "fitas-por-selo", "0"}, 1, "", "", "Selo desconhecido: 0.\n"},
        {{"lista", "fitas-por-distribuidora", "Fox"},
         1,
         "",
         "",
         "Nenhuma Distribuidora encontrada com este nome.\n"},
        {{"listagem", "fitas-por-ator", "Tom Hanks"},
         1,
         "",
         "",
         "Nenhum(a) ator/atriz encontrado(a) com este nome.\n"},
        // Nothing qualifies: the program's message, and nothing to print is no failure.
        {{"lista", "fitas-reservadas"}, 0, "", "", "Não há reserva de fitas.\n"},
        {{"listagem", "clientes-com-debito"}, 0, "", "", "Os Clientes Não Possuem Débitos.\n"},
    };

    for (const Case& c : cases) {
        const auto r = tool(c.args);

        const std::string name = c.args.back();
        EXPECT_EQ(r.code, c.code) << name << r.err;
        EXPECT_EQ(r.out.substr(0, c.outStart.size()), c.outStart) << name;
        EXPECT_TRUE(r.out.ends_with(c.outEnd)) << name << r.out;
        EXPECT_EQ(c.outStart.empty(), r.out.empty()) << name;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << name;
        EXPECT_EQ(c.err.empty(), r.err.empty()) << name;
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
