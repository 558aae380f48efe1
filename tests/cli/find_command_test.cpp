#include "ToolRun.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"

namespace tavolim::cli {
namespace {

using namespace std::chrono;

// Holders Ana Souza (with dependent Bia Souza) and Caio Lima; tapes Casamento (label 1,
// dubbed) and Casa Verde (label 1).
class FindCommandTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(temp.path(), year{2026} / 12 / 1));
        core::RecordStore store(temp.path());
        core::ClientRecord ana;
        ana.PrimNome = "Ana";
        ana.SobreNome = "Souza";
        ana.Sexo = false;
        ana.NumDep = 1;
        ana.Dep[0] = 1;
        ASSERT_TRUE(store.save(1, ana));
        core::ClientRecord caio;
        caio.PrimNome = "Caio";
        caio.SobreNome = "Lima";
        caio.Sexo = true;
        ASSERT_TRUE(store.save(2, caio));
        core::DependentRecord bia;
        bia.PrimNome = "Bia";
        bia.SobreNome = "Souza";
        bia.Titular = 1;
        ASSERT_TRUE(store.save(1, bia));
        for (const auto& [code, name] : {std::pair{1, "Casamento"}, std::pair{2, "Casa Verde"}}) {
            core::TapeRecord t;
            t.Nome = name;
            t.Selo = 1;
            t.Midia = 1;
            t.Tipo = code == 1;
            ASSERT_TRUE(store.save(code, t));
        }
    }
};

TEST_F(FindCommandTest, PrintsTheRowsOfTheFindWindowOrTellsWhyNot)
{
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"localizar", "clientes", "Sobrenome", "souza"},
         0,
         "Ana Souza\t1\tR\nBia Souza\t1\tD\n",
         ""},
        {{"localizar", "fitas", "Nome", "CASA"}, 0, "Casamento\t1\nCasa Verde\t2\n", ""},
        {{"localizar", "fitas", "Nome", "CASA", "--palavra-inteira"}, 0, "Casa Verde\t2\n", ""},
        {{"localizar", "fitas", "Nome", "*SAMENTO", "--palavra-inteira"}, 0, "Casamento\t1\n", ""},
        {{"localizar", "fitas", "Nome", "CASA", "--maiusculas"},
         1,
         "",
         "Nenhuma fita encontrada com este dado.\n"},
        {{"localizar", "fitas", "Nome", "Casa", "--de", "2", "--ate", "2"},
         0,
         "Casa Verde\t2\n",
         ""},
        {{"localizar", "fitas", "Selo", "Catálogo"}, 0, "Casamento\t1\nCasa Verde\t2\n", ""},
        {{"localizar", "fitas", "selo", "1", "--de", "1", "--ate", "1"}, 0, "Casamento\t1\n", ""},
        {{"localizar", "fitas", "Tipo", "dublado"}, 0, "Casamento\t1\n", ""},
        {{"localizar", "clientes", "Sexo", "Masculino"}, 0, "Caio Lima\t2\tR\n", ""},
        {{"localizar", "fitas", "Nome", "Casa", "--de", "0", "--ate", "2"},
         1,
         "",
         "O número do registro inicial ou final está incorreto.\n"},
        {{"localizar", "fitas", "Nome", "Casa", "--de", "1", "--ate", "3"},
         1,
         "",
         "O número do registro inicial ou final está incorreto.\n"},
        {{"localizar", "produtos", "Descrição", "Pipoca"},
         1,
         "",
         "Nenhum produto encontrado com este dado.\n"},
        {{"localizar", "fitas", "Tipo", "talvez"},
         1,
         "",
         "O campo Tipo não tem a opção \"talvez\".\n"},
        {{"localizar", "fitas", "Selo", "Inexistente"},
         1,
         "",
         "O campo Selo não tem a opção \"Inexistente\".\n"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const auto& a : c.args) {
            shown += a + " ";
        }
        SCOPED_TRACE(shown);

        const Result r = tool(c.args);

        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(FindCommandTest, WrongUseIsRefusedWithItsReason)
{
    struct Case {
        std::vector<std::string> args;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {{"localizar", "clientes", "Nome"}, "localizar pede o tipo, o campo e o valor procurado."},
        {{"localizar", "clientes", "Nome", "Ana", "Bia"}, "argumento a mais: Bia."},
        {{"localizar", "dependentes", "Nome", "Ana"},
         "tipo desconhecido: dependentes (clientes, fitas, produtos ou distribuidores)."},
        {{"localizar", "produtos", "Cor", "Azul"},
         "campo desconhecido em produtos: Cor (Descrição, Código de Barras, Estoque, Unidade, "
         "Icms, Preço, Valor Compra, Distribuidor, Observações)."},
        {{"localizar", "fitas", "Nome", "Casa", "--de", "1"}, "--de e --ate vão juntos."},
        {{"localizar", "fitas", "Nome", "Casa", "--de", "um", "--ate", "2"},
         "--de pede um número de registro, não \"um\"."},
        {{"lista", "fitas", "--maiusculas"},
         "--palavra-inteira e --maiusculas são só do comando localizar."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);

        const Result r = tool(c.args);

        EXPECT_EQ(r.code, 2);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "tavolim-tool: " + c.problem);
    }
}

TEST_F(FindCommandTest, WritesNothingToTheFolder)
{
    const auto before = core::binaryfile::readAll(temp.file("DadosFit.tvl"));

    tool({"localizar", "fitas", "Nome", "Casa"});

    EXPECT_EQ(core::binaryfile::readAll(temp.file("DadosFit.tvl")), before);
    EXPECT_FALSE(core::binaryfile::exists(temp.file("Diario.jnl")));
}

TEST(FindCommand, AFolderWithoutAStoreIsTold)
{
    test::TempDataFolder empty;

    const Result r = run({"--dados", empty.path().string(), "localizar", "fitas", "Nome", "x"});

    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "A pasta " + empty.path().string() + " não tem uma instalação do Tavolim.\n");
}

} // namespace
} // namespace tavolim::cli
