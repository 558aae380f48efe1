#include "ToolRun.h"
#include "core/store/FileTransaction.h"
#include "core/store/FolderLock.h"
#include "core/store/RecordStore.h"
#include "core/tools/StoreAudit.h"
#include "support/CrashRunner.h"

#include <fstream>

namespace tavolim::cli {
namespace {

using test::snapshotOf;

class AuditCommandTest : public ToolTestBase {
protected:
    void SetUp() override
    {
        ASSERT_EQ(tool({"exemplo", "--clientes", "10", "--fitas", "20", "--produtos", "3"}).code,
                  0);
    }
};

TEST_F(AuditCommandTest, EachProblemIsALineThenTheCountAndTheExitCodeSaysWhetherAnyWasFound)
{
    const Result clean = tool({"verificar"});

    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out, "Nenhum problema encontrado.\n");
    EXPECT_TRUE(clean.err.empty());

    core::RecordStore store(dir);
    auto tape = store.load<core::TapeRecord>(5);
    tape.ClienteFita = 3;
    tape.ClienteTitular = true;
    ASSERT_TRUE(store.save(5, tape));
    auto client = store.load<core::ClientRecord>(4);
    client.ValorPago = core::Money::fromCents(500);
    client.ValorDevido = core::Money::fromCents(100);
    ASSERT_TRUE(store.save(4, client));
    const auto before = snapshotOf(dir);

    const Result damaged = tool({"verificar", "--hoje", "31/12/2099"});

    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.out, "Cliente 4 tem crédito (R$ 5,00) e débito (R$ 1,00) ao mesmo tempo.\n"
                           "Fita 5 locada para o cliente 3, que não a tem na lista.\n"
                           "2 problemas encontrados.\n");
    EXPECT_TRUE(damaged.err.empty());
    EXPECT_EQ(snapshotOf(dir), before);
}

TEST_F(AuditCommandTest, RunsBesideTheProgramAndSaysAJournalIsThereLeavingIt)
{
    const core::FolderLock program(dir);
    ASSERT_TRUE(program.held());
    std::ofstream(temp.file(core::kJournalFile)) << "uma gravação pela metade";
    const auto before = snapshotOf(dir);

    const Result r = tool({"verificar"});

    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, core::pendingJournalNotice() + "\nNenhum problema encontrado.\n");
    EXPECT_EQ(snapshotOf(dir), before);
}

TEST_F(AuditCommandTest, AFolderWithoutAStoreIsRefused)
{
    test::TempDataFolder empty;

    const Result r = run({"--dados", empty.path().string(), "verificar"});

    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "A pasta " + empty.path().string() + " não tem uma instalação do Tavolim.\n");
    EXPECT_TRUE(r.out.empty());
}

} // namespace
} // namespace tavolim::cli
