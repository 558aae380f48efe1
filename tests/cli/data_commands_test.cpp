#include "ToolRun.h"
#include "cli/Utf8Path.h"
#include "core/store/Cp1252.h"
#include "core/store/FolderLock.h"
#include "core/store/RecordStore.h"
#include "support/CrashRunner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tavolim::cli {
namespace {

using test::snapshotOf;

class DataCommandsTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        ASSERT_EQ(tool({"exemplo", "--clientes", "10", "--fitas", "20", "--produtos", "3"}).code,
                  0);
    }

    std::string backUp()
    {
        const Result made = tool({"backup", "--para", pen});
        EXPECT_EQ(made.code, 0) << made.err;
        EXPECT_TRUE(made.out.ends_with(".zip\n")) << made.out;
        return made.out.substr(0, made.out.size() - 1);
    }

    test::TempDataFolder elsewhere;
    std::string pen = (elsewhere.path() / "pen drive").string();
};

TEST_F(DataCommandsTest, BackupPrintsTheArchiveAndRestaurarPutsItBack)
{
    const auto before = snapshotOf(dir);
    const std::string archive = backUp();
    EXPECT_EQ(snapshotOf(dir), before);
    EXPECT_EQ(utf8Path(archive).parent_path(), utf8Path(pen));
    EXPECT_TRUE(std::filesystem::exists(utf8Path(archive)));
    std::filesystem::remove(temp.file("DadosCli.tvl"));

    const Result restored = tool({"restaurar", archive});

    EXPECT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(snapshotOf(dir), before);
    const auto safety = std::filesystem::directory_iterator(temp.path() / "Backups")->path();
    EXPECT_EQ(restored.out, "Back-up recuperado em " + dir + ".\nOs dados anteriores estão em " +
                                utf8Text(safety) + ".\n");
    EXPECT_TRUE(utf8Text(safety.filename()).ends_with(" - antes de recuperar.zip"));
}

TEST_F(DataCommandsTest, WhileTheProgramHoldsTheFolderOnlyTheBackupGoesOn)
{
    const std::string archive = backUp();
    const auto before = snapshotOf(dir);
    const core::FolderLock program(dir);
    ASSERT_TRUE(program.held());

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"restaurar", archive}, {"verificar", "--reparar"}}) {
        const Result r = tool(args);

        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, core::folderBusyMessage(dir) + "\n");
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(snapshotOf(dir), before);
    EXPECT_EQ(tool({"backup", "--para", pen}).code, 0);
}

TEST_F(DataCommandsTest, VerificarPrintsEachRepairAsShownAndAppendsErrLog)
{
    core::RecordStore store(dir);
    auto dependent = store.load<core::DependentRecord>(1);
    dependent.Titular = 999;
    ASSERT_TRUE(store.save(1, dependent));
    const std::string name = dependent.PrimNome + " " + dependent.SobreNome;

    const Result first = tool({"--hoje", "10/12/2026", "verificar", "--reparar"});
    const Result second = tool({"verificar", "--reparar"});

    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.out, "O cliente dependente " + name +
                             " será excluído por estar ligado a um titular não mais existente.\n"
                             "O cliente dependente " +
                             name +
                             " será desligado do titular por estar excluído ou ligado a outro "
                             "titular.\n");
    EXPECT_EQ(first.err, "2 reparos feitos e anotados em Err.log.\n");
    const std::string log = core::fromCp1252(test::diskText(temp.file("Err.log")));
    EXPECT_EQ(log.rfind("\"10/12/2026 - O cliente dependente " + name, 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), 2);
    EXPECT_EQ(second.code, 0);
    EXPECT_TRUE(second.out.empty());
    EXPECT_EQ(second.err, "Nenhum reparo foi necessário.\n");
}

TEST_F(DataCommandsTest, RepetidosPrintsTheProgramsText)
{
    struct Case {
        std::vector<std::string> args;
        std::string start;
    };
    const Case cases[] = {
        {{"repetidos", "fitas"}, "Registros com nomes repetidos :\n    "},
        {{"repetidos", "produtos", "--codigos"}, "Não há repetição de código de barras.\n"},
        {{"repetidos", "distribuidoras"}, "Não há repetição de nomes.\n"},
    };
    for (const Case& c : cases) {
        const Result r = tool(c.args);

        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out.rfind(c.start, 0), 0u) << r.out;
        EXPECT_TRUE(r.err.empty());
    }
}

TEST_F(DataCommandsTest, WrongUseOfTheDataCommandsGivesTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {"backup"},
        {"backup", "--para"},
        {"backup", "--para", "x", "y"},
        {"restaurar"},
        {"restaurar", "a.zip", "b.zip"},
        {"verificar", "mais"},
        {"verificar", "--codigos"},
        {"verificar", "--hoje", "31/02/2026"},
        {"repetidos"},
        {"repetidos", "atores"},
        {"repetidos", "clientes", "--codigos"},
        {"dump", "clientes", "--para", "x"},
        {"lista", "clientes", "--reparar"},
        {"backup", "--para", "x", "--hoje", "01/12/2026"},
    };
    const auto before = snapshotOf(dir);
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));

        const Result r = tool(args);

        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("uso: tavolim-tool"), std::string::npos);
    }
    EXPECT_EQ(snapshotOf(dir), before);
    EXPECT_FALSE(std::filesystem::exists("x"));
    const Result help = run({"--ajuda"});
    for (const char* command :
         {"backup --para PASTA", "restaurar ARQUIVO", "verificar [--hoje dd/mm/aaaa]",
          "verificar --reparar", "repetidos (clientes|fitas|produtos|"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
}

TEST_F(DataCommandsTest, ArchivesThatAreNotWholeOrAbsentAreRefused)
{
    const std::string archive = backUp();
    const auto before = snapshotOf(dir);
    const std::string whole = test::diskText(archive);
    const auto cut = elsewhere.path() / "cortado.zip";
    std::filesystem::create_directories(cut.parent_path());
    {
        std::ofstream out(cut, std::ios::binary);
        out << whole.substr(0, whole.size() / 2);
    }

    const Result torn = tool({"restaurar", cut.string()});
    const Result missing = tool({"restaurar", (elsewhere.path() / "nada.zip").string()});

    EXPECT_EQ(torn.code, 1);
    EXPECT_NE(torn.err.find("não pode ser recuperado"), std::string::npos) << torn.err;
    EXPECT_TRUE(torn.err.ends_with("Nada foi alterado.\n"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("não existe"), std::string::npos);
    EXPECT_EQ(snapshotOf(dir), before);
}

} // namespace
} // namespace tavolim::cli
