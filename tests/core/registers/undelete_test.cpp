#include "core/registers/Undelete.h"
#include "core/store/RecordStore.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

TEST(Undelete, SaysSoWhenNothingIsDeleted)
{
    test::TempDataFolder folder;
    RecordStore store(folder.path());
    test::ScriptedDialogs dialogs;
    bool asked = false;

    const int n = undeleteRecords(store, FileKind::Tapes, dialogs, [&](const auto&) {
        asked = true;
        return std::vector<std::int32_t>{};
    });

    EXPECT_EQ(n, 0);
    EXPECT_FALSE(asked);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"Não há fitas excluídas."});
}

TEST(Undelete, RestoresThePickedRecordsAndConfirmsEach)
{
    test::TempDataFolder folder;
    RecordStore store(folder.path());
    test::ScriptedDialogs dialogs;
    for (const char* name : {"Arroz", "Feijão", "Pipoca"}) {
        store.product() = ProductRecord{};
        store.product().Descricao = name;
        store.writeRecord(FileKind::Products, *store.nextRecordNumber(FileKind::Products));
    }
    for (int n : {1, 3}) {
        store.readRecord(FileKind::Products, n, true);
        store.deleteRecord(FileKind::Products, n);
    }
    std::vector<UndeleteOffer> offered;

    const int n = undeleteRecords(store, FileKind::Products, dialogs, [&](const auto& offers) {
        offered = offers;
        return std::vector<std::int32_t>{3};
    });

    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].text, "000003 Pipoca");
    EXPECT_EQ(n, 1);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Registro do produto 'Pipoca' recuperado com sucesso !"});
    EXPECT_EQ(store.deletedNumbers(FileKind::Products), std::vector<std::int32_t>{1});
    EXPECT_FALSE(store.isDeletedOnDisk(FileKind::Products, 3));
}

} // namespace
} // namespace tavolim::core
