#include "core/store/BinaryFile.h"
#include "core/store/RecordStore.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class RecordStoreTest : public ::testing::Test {
protected:
    test::TempDataFolder folder;
    RecordStore store{folder.path()};

    void addTape(const std::string& name)
    {
        const auto n = *store.nextRecordNumber(FileKind::Tapes);
        store.tape() = TapeRecord{};
        store.tape().Nome = name;
        store.writeRecord(FileKind::Tapes, n);
        store.removeDeleted(FileKind::Tapes, n);
    }

    void deleteTape(int n)
    {
        store.readRecord(FileKind::Tapes, n, true);
        store.deleteRecord(FileKind::Tapes, n);
    }

    std::string storedTapeName(int n)
    {
        TapeRecord t;
        t.decode(binaryfile::readAt(store.filePath(FileKind::Tapes), (n - 1) * TapeRecord::Size,
                                    TapeRecord::Size));
        return t.Nome;
    }
};

TEST_F(RecordStoreTest, ReadsTheSameClientOnceWithoutForceAndAgainWithForce)
{
    store.client().PrimNome = "Ana";
    store.writeRecord(FileKind::Clients, 1);
    store.client() = ClientRecord{};

    store.readRecord(FileKind::Clients, 1, false);
    store.client().PrimNome = "editado";
    store.readRecord(FileKind::Clients, 1, false);
    const auto cachedName = store.client().PrimNome;
    store.readRecord(FileKind::Clients, 1, true);

    EXPECT_EQ(cachedName, "editado");
    EXPECT_EQ(store.fileReads(), 2u);
    EXPECT_EQ(store.client().PrimNome, "Ana");
}

TEST_F(RecordStoreTest, WritingPastTheEndAppendsWithItsOwnCode)
{
    const auto first = store.nextRecordNumber(FileKind::Clients);
    store.client().Codigo = 99;
    store.writeRecord(FileKind::Clients, *first);
    store.readRecord(FileKind::Clients, 1, true);

    EXPECT_EQ(first, 1);
    EXPECT_EQ(store.client().Codigo, 1);
    EXPECT_EQ(binaryfile::size(store.filePath(FileKind::Clients)), 349u);
    EXPECT_EQ(store.nextRecordNumber(FileKind::Clients), 2);
    EXPECT_EQ(store.nextRecordNumber(FileKind::Labels), std::nullopt);
    EXPECT_EQ(store.nextRecordNumber(FileKind::GeneralRules), std::nullopt);
}

TEST_F(RecordStoreTest, ReusesDeletedTapeNumbersOldestFirstUntilTheRegisterSaves)
{
    for (int i = 1; i <= 8; ++i) {
        addTape("Fita " + std::to_string(i));
    }

    deleteTape(7);
    deleteTape(3);
    const auto firstAsk = store.nextRecordNumber(FileKind::Tapes);
    const auto secondAsk = store.nextRecordNumber(FileKind::Tapes);
    store.removeDeleted(FileKind::Tapes, 7);
    const auto afterSave = store.nextRecordNumber(FileKind::Tapes);

    EXPECT_EQ(firstAsk, 7);
    EXPECT_EQ(secondAsk, 7);
    EXPECT_EQ(afterSave, 3);
    EXPECT_EQ(storedTapeName(7), "#Fita 7");
    EXPECT_EQ(store.deletedNumbers(FileKind::Tapes), std::vector<std::int32_t>{3});
}

TEST_F(RecordStoreTest, StaleEntriesAreDroppedWhenMet)
{
    for (int i = 1; i <= 5; ++i) {
        addTape("Fita " + std::to_string(i));
    }
    deleteTape(2);
    deleteTape(4);
    deleteTape(5);
    // Record 2, the oldest deletion, was restored behind the list's back.
    store.readRecord(FileKind::Tapes, 2, true);
    store.tape().Nome = "Fita 2";
    store.writeRecord(FileKind::Tapes, 2);

    const auto number = store.nextRecordNumber(FileKind::Tapes);

    EXPECT_EQ(number, 4);
    EXPECT_EQ(store.deletedNumbers(FileKind::Tapes), (std::vector<std::int32_t>{5, 4}));
    // The dropped slot has its first two bytes cleared, the count says 2.
    const auto list = binaryfile::readAll(folder.file("DelFit.tvl"));
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[0], 2);
    EXPECT_EQ(list[12], 0);
    EXPECT_EQ(list[13], 0);
}

TEST_F(RecordStoreTest, DeletedListPrimitivesIgnoreDuplicatesAndAbsentNumbers)
{
    store.addDeleted(FileKind::Products, 5);
    store.addDeleted(FileKind::Products, 9);
    store.addDeleted(FileKind::Products, 5);
    store.removeDeleted(FileKind::Products, 42);
    store.addDeleted(FileKind::Products, 11);
    store.removeDeleted(FileKind::Products, 9);

    EXPECT_EQ(store.deletedNumbers(FileKind::Products), (std::vector<std::int32_t>{11, 5}));
    // The freed last slot keeps its old value; only the count moved.
    const auto bytes = binaryfile::readAll(folder.file("DelPrd.tvl"));
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[12], 5);
}

TEST_F(RecordStoreTest, DependentNumbersAreTakenOffTheListAtOnce)
{
    store.addDeleted(FileKind::Dependents, 4);
    store.addDeleted(FileKind::TapeHistory, 6);

    // The dependent entry points at no deleted record: stale, so append.
    EXPECT_EQ(store.nextRecordNumber(FileKind::Dependents), 1);
    EXPECT_TRUE(store.deletedNumbers(FileKind::Dependents).empty());
    // History numbers carry no mark; a listed one is handed out once.
    EXPECT_EQ(store.nextRecordNumber(FileKind::TapeHistory), 6);
    EXPECT_EQ(store.nextRecordNumber(FileKind::TapeHistory), 1);
}

TEST_F(RecordStoreTest, DeletingAClientListsItAndItsHistories)
{
    store.client().PrimNome = "Carlos";
    store.client().RegHistFita = 12;
    store.client().RegHistProd = 3;
    store.writeRecord(FileKind::Clients, 1);

    const auto deleted = store.deleteRecord(FileKind::Clients, 1);
    store.readRecord(FileKind::Clients, 1, true);

    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(store.client().PrimNome, "#Carlos");
    EXPECT_EQ(store.deletedNumbers(FileKind::Clients), std::vector<std::int32_t>{1});
    EXPECT_EQ(store.deletedNumbers(FileKind::TapeHistory), std::vector<std::int32_t>{12});
    EXPECT_EQ(store.deletedNumbers(FileKind::ProductHistory), std::vector<std::int32_t>{3});
}

TEST_F(RecordStoreTest, DeletingADependentClosesTheHoldersList)
{
    for (int d = 1; d <= 3; ++d) {
        store.dependent() = DependentRecord{};
        store.dependent().Titular = 1;
        store.writeRecord(FileKind::Dependents, d);
    }
    store.client().NumDep = 3;
    store.client().Dep = {1, 2, 3};
    store.writeRecord(FileKind::Clients, 1);

    store.readRecord(FileKind::Dependents, 1, true);
    const auto deleted = store.deleteRecord(FileKind::Dependents, 1);
    store.readRecord(FileKind::Clients, 1, true);

    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(store.client().NumDep, 2);
    EXPECT_EQ(store.client().Dep, (decltype(store.client().Dep){3, 2, 0}));
    EXPECT_EQ(store.deleteRecord(FileKind::Dependents, 3), std::nullopt); // no third now
}

TEST_F(RecordStoreTest, UndeletionGivesBackANameThatFilledItsField)
{
    const std::string full = "Um Titulo de Vinte e Cin"; // 24 characters
    addTape(full + "c");                                 // 25: fills the field
    addTape("Curto");

    deleteTape(1);
    deleteTape(2);
    const auto listed = store.listDeleted(FileKind::Tapes);
    const auto restored = store.restoreRecord(FileKind::Tapes, 1);

    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].name, "Curto");
    EXPECT_EQ(listed[1].name, full);
    EXPECT_EQ(restored, full + "c");
    EXPECT_EQ(storedTapeName(1), full + "c");
    EXPECT_EQ(store.deletedNumbers(FileKind::Tapes), std::vector<std::int32_t>{2});
    EXPECT_EQ(store.restoreRecord(FileKind::Tapes, 1), std::nullopt);
}

TEST_F(RecordStoreTest, UndeletionKeepsSpacesBeforeTheLastByteAndForgetsOldTails)
{
    struct Case {
        const char* what;
        std::string name;
    };
    const std::vector<Case> cases = {
        {"one space before the last byte", "O Senhor dos Anéis Part 2"},
        {"three spaces before it", "Um Titulo de Vinte e   Cx"},
        {"a short name", "Curto"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        addTape(c.name);
        const int n = store.recordCount(FileKind::Tapes);
        deleteTape(n);

        EXPECT_EQ(store.restoreRecord(FileKind::Tapes, n), c.name);
        EXPECT_EQ(storedTapeName(n), c.name);
    }

    // A full name deleted, its number reused for a short one without undeleting it: the old
    // tail must not come back with the new name.
    addTape("Um Titulo de Vinte e Cinc");
    const int reused = store.recordCount(FileKind::Tapes);
    deleteTape(reused);
    addTape("Novo");
    ASSERT_EQ(store.recordCount(FileKind::Tapes), reused);
    deleteTape(reused);
    EXPECT_EQ(store.restoreRecord(FileKind::Tapes, reused), "Novo");
}

TEST_F(RecordStoreTest, DamagedFilesNeverReadOrWriteOutside)
{
    // A truncated tape file: one whole record and half of another.
    std::vector<std::uint8_t> bytes(228 + 100, 0);
    bytes[0] = 1;
    bytes[2] = 'A';
    bytes[154] = 99; // NumReservas
    bytes[80] = 44;  // NumAtores
    binaryfile::writeAt(store.filePath(FileKind::Tapes), 0, bytes);
    // A deleted list whose count claims more entries than the file holds.
    const std::vector<std::uint8_t> list = {200, 0, 0, 0, 1, 0, 0, 0};
    binaryfile::writeAt(folder.file("DelFit.tvl"), 0, list);

    store.readRecord(FileKind::Tapes, 1, true);
    const int reservations = store.tape().reservationCount();
    const int actors = store.tape().actorCount();
    store.readRecord(FileKind::Tapes, 2, true);
    const auto partialName = store.tape().Nome;
    store.readRecord(FileKind::Tapes, 500, true);
    const auto pastEnd = store.tape();
    store.readRecord(FileKind::Tapes, -3, true);

    EXPECT_EQ(reservations, 5);
    EXPECT_EQ(actors, 10);
    EXPECT_EQ(partialName, "");
    EXPECT_EQ(pastEnd.Codigo, 0);
    EXPECT_EQ(store.recordCount(FileKind::Tapes), 1);
    EXPECT_EQ(store.deletedNumbers(FileKind::Tapes), std::vector<std::int32_t>{1});
    EXPECT_FALSE(store.writeRecord(FileKind::Tapes, 0));
    EXPECT_FALSE(store.writeRecord(FileKind::Tapes, 40000));
    EXPECT_EQ(binaryfile::size(store.filePath(FileKind::Tapes)), 328u);
}

TEST_F(RecordStoreTest, ScanWalksEveryWholeRecordInOrder)
{
    for (int i = 1; i <= 1100; ++i) {
        store.client() = ClientRecord{};
        store.client().PrimNome = "C" + std::to_string(i);
        store.writeRecord(FileKind::Clients, i);
    }
    binaryfile::writeAt(store.filePath(FileKind::Clients), 1100 * 349,
                        std::vector<std::uint8_t>(10, 'x'));

    std::vector<std::int32_t> numbers;
    bool namesMatch = true;
    store.scan<ClientRecord>(FileKind::Clients, [&](std::int32_t n, const ClientRecord& c) {
        numbers.push_back(n);
        namesMatch = namesMatch && c.PrimNome == "C" + std::to_string(n) && c.Codigo == n;
    });

    ASSERT_EQ(numbers.size(), 1100u);
    EXPECT_EQ(numbers.back(), 1100);
    EXPECT_TRUE(namesMatch);
}

} // namespace
} // namespace tavolim::core
