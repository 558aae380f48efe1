#include "core/shell/DataFolder.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "core/store/RuleTables.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using namespace std::chrono;

class NewInstallationTest : public ::testing::Test, protected test::FakeStore {};

TEST_F(NewInstallationTest, AnEmptyFolderBecomesAWorkingStore)
{
    ASSERT_TRUE(needsNewInstallation(folder.path()));

    ASSERT_TRUE(createNewInstallation(folder.path(), year{2026} / December / day{5}));
    state.loadOptions();
    auto& records = state.records();
    records.readRecord(FileKind::Labels, 1, true);
    records.readRecord(FileKind::Media, 1, true);
    const auto& rules = records.rules();

    EXPECT_FALSE(needsNewInstallation(folder.path()));
    EXPECT_EQ(rules.NumOperadores, 1);
    EXPECT_EQ(rules.NomeOperador[0], "Tavolim");
    EXPECT_EQ(rules.NivelOperador[0], 1);
    EXPECT_EQ(rules.MesFeriados, 12);
    for (const auto level : rules.NivelAcesso) {
        EXPECT_TRUE(level >= 1 && level <= 3);
    }
    // Every term of every table is usable (a zero term is refused by the rental).
    for (int c = 1; c <= DayClasses; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            EXPECT_GT(rules.PrazosGerais[generalTermIndex(c, n)], 0);
            EXPECT_GT(records.label().Prazos[classByCountIndex(c, n)], 0);
            EXPECT_GT(records.media().Prazos[classByCountIndex(c, n)], 0);
            EXPECT_TRUE(records.label().Diarias[classByCountIndex(c, n)].isPositive());
        }
    }
    EXPECT_NE(records.label().NumMaxDias, 0);
    EXPECT_EQ(records.recordCount(FileKind::Clients), 0);
    EXPECT_EQ(records.nextRecordNumber(FileKind::Tapes), 1);
    EXPECT_EQ(state.options().TipoPrazo, 1);
    EXPECT_EQ(state.options().TipoCobraAtraso, 1);
    EXPECT_TRUE(state.options().MostrarLeg);
    // A new clerk's Esc asks before typed changes are lost.
    EXPECT_EQ(state.options().AcaoQdoSaiForm, 2);
    EXPECT_TRUE(std::filesystem::exists(folder.file("RegMemos.tvl")));
}

TEST_F(NewInstallationTest, ExistingFilesAreNeverOverwritten)
{
    const std::vector<std::uint8_t> clients(349 * 2, 'x');
    binaryfile::writeAt(folder.file("DadosCli.tvl"), 0, clients);

    createNewInstallation(folder.path(), year{2026} / January / day{1});

    EXPECT_EQ(binaryfile::readAll(folder.file("DadosCli.tvl")), clients);
}

TEST_F(NewInstallationTest, MemoCountersLiveInTheRulesRecord)
{
    createNewInstallation(folder.path(), year{2026} / January / day{1});
    state.loadOptions();
    std::int32_t memo = 0;
    std::string text = "Cliente pontual";

    state.memos().writeMemo(memo, text);
    state.memos().freeMemo(memo);
    state.saveRules();
    state.records().readRecord(FileKind::GeneralRules, 1, true);

    EXPECT_EQ(state.records().rules().MemosLivres, 1);
    EXPECT_EQ(state.records().rules().MemosDesperdicio, 1);
}

TEST(DataFolder, ChosenInOrderCommandLineProgramFolderPerUser)
{
    test::TempDataFolder program;
    const std::filesystem::path user = "/home/x/.local/share/Tavolim";

    const auto withoutStore = chooseDataFolder(std::nullopt, program.path(), user);
    binaryfile::writeAt(program.file("tavolim.ini"), 0, std::vector<std::uint8_t>(1432, 0));
    const auto withStore = chooseDataFolder(std::nullopt, program.path(), user);
    const auto given = chooseDataFolder(std::filesystem::path("/dados"), program.path(), user);

    EXPECT_EQ(withoutStore, user);
    EXPECT_EQ(withStore, program.path());
    EXPECT_EQ(given, "/dados");
}

} // namespace
} // namespace tavolim::core
