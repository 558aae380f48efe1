#include "core/registers/ClientUndelete.h"

#include "core/registers/DependentRegister.h"
#include "core/registers/PeopleStore.h"
#include "core/registers/Undelete.h"
#include "core/store/RecordStore.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using test::PeopleStore;

// Picks the offer whose text starts with `prefix`, remembering what was offered.
struct PickByText {
    std::string prefix;
    std::vector<std::string>* offered;

    std::vector<std::int32_t> operator()(const std::vector<UndeleteOffer>& offers) const
    {
        std::vector<std::int32_t> picked;
        for (const auto& o : offers) {
            offered->push_back(o.text);
            if (o.text.rfind(prefix, 0) == 0) {
                picked.push_back(o.number);
            }
        }
        return picked;
    }
};

// Caio (dependent 2 of Ana) deleted from the dependent window.
void deleteCaio(PeopleStore& store)
{
    DependentRegister reg(store.state, 1);
    reg.open();
    reg.showDependent(2);
    ASSERT_TRUE(reg.deleteDependent());
    store.dialogs.messages.clear();
}

ClientRecord client(PeopleStore& store, int n)
{
    store.state.records().readRecord(FileKind::Clients, n, true);
    return store.state.records().client();
}

TEST(ClientUndelete, ADependentComesBackIntoItsHoldersListOrAsAHolderOfItsOwn)
{
    struct Case {
        int button;
        int holderDependents;
        int clients;
        bool dependentDeleted;
    };
    for (const Case c : {Case{3, 2, 1, false}, Case{2, 1, 2, true}, Case{1, 1, 1, true}}) {
        SCOPED_TRACE(c.button);
        PeopleStore store;
        store.family();
        deleteCaio(store);
        std::vector<std::string> offered;
        store.dialogs.choices = {c.button};

        undeleteClients(store.state, PickByText{"00002", &offered});

        EXPECT_EQ(offered, std::vector<std::string>{"00002 Caio (dependente)"});
        EXPECT_EQ(client(store, 1).NumDep, c.holderDependents);
        EXPECT_EQ(store.state.records().recordCount(FileKind::Clients), c.clients);
        EXPECT_EQ(store.deleted(FileKind::Dependents, 2), c.dependentDeleted);
        if (c.clients == 2) {
            EXPECT_EQ(client(store, 2).PrimNome.substr(0, 4), "Caio");
            // Moved to a holder, the dependent is no longer offered.
            offered.clear();
            store.dialogs.messages.clear();
            undeleteClients(store.state, PickByText{"x", &offered});
            EXPECT_EQ(store.dialogs.shownTexts(),
                      std::vector<std::string>{"Não há clientes excluídos."});
        }
        if (c.button == 3) {
            EXPECT_EQ(client(store, 1).Dep[1], 2);
            EXPECT_TRUE(store.state.records().listDeleted(FileKind::Dependents).empty());
        }
    }
}

TEST(ClientUndelete, ADependentCannotRejoinAFullHolder)
{
    PeopleStore store;
    store.family();
    deleteCaio(store);
    auto& records = store.state.records();
    records.readRecord(FileKind::Clients, 1, true);
    records.client().NumDep = 10;
    records.writeRecord(FileKind::Clients, 1);
    std::vector<std::string> offered;
    store.dialogs.choices = {3};

    EXPECT_EQ(undeleteClients(store.state, PickByText{"00002", &offered}), 0);

    EXPECT_TRUE(store.deleted(FileKind::Dependents, 2));
    EXPECT_EQ(store.dialogs.shownTexts().back(),
              "O(A) cliente responsável já possui 10 dependentes, o número máximo permitido.");
}

TEST(ClientUndelete, AHolderComesBackAloneAndLeavesTheDeletedList)
{
    PeopleStore store;
    store.family();
    ClientRegister reg(store.state);
    reg.open();
    ASSERT_TRUE(reg.deleteHolder());
    store.dialogs.messages.clear();
    std::vector<std::string> offered;

    EXPECT_EQ(undeleteClients(store.state, PickByText{"00001 Ana", &offered}), 1);

    EXPECT_EQ(offered.size(), 3u); // the holder and its two dependents
    EXPECT_EQ(store.dialogs.shownTexts(),
              std::vector<std::string>{"Registro de 'Ana Lima' recuperado com sucesso!"});
    EXPECT_FALSE(store.deleted(FileKind::Clients, 1));
    EXPECT_EQ(client(store, 1).NumDep, 0);
    EXPECT_TRUE(store.state.records().listDeleted(FileKind::Clients).empty());
}

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
