#include "core/registers/DependentRegister.h"

#include "core/ports/Dialogs.h"
#include "core/registers/PeopleStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::PeopleStore;

TEST(DependentRegister, RefusesAnEleventhDependentOfTheHolder)
{
    PeopleStore store;
    store.family();
    DependentRegister reg(store.state, 1);
    reg.open();
    for (int i = 3; i <= 10; ++i) {
        store.dialogs.texts.push_back("Filho" + std::to_string(i) + " Lima");
        ASSERT_TRUE(reg.addDependent());
    }
    store.dialogs.texts = {"Zeca Lima"};

    EXPECT_FALSE(reg.addDependent());

    EXPECT_EQ(store.dialogs.shownTexts(),
              std::vector<std::string>{"O(A) cliente responsável já possui 10 dependentes, "
                                       "o número máximo permitido."});
    EXPECT_EQ(store.state.records().recordCount(FileKind::Dependents), 10);
}

struct DeleteCase {
    const char* what;
    test::Adjust adjust;
    std::string message;
    bool deleted;
};

TEST(DependentRegister, DeletesOnlyADependentThatOwesNothingAndHasNoCredit)
{
    const std::string refused = ", portanto não pode ser excluído(a).";
    const std::vector<DeleteCase> cases = {
        {"owes", [](auto&, auto& d) { d.ValorDevido = Money::fromCents(150); },
         " O(A) cliente Caio possui débitos e/ou fitas locadas" + refused, false},
        {"holds a tape", [](auto&, auto& d) { d.NumFitas = 1; },
         " O(A) cliente Caio possui débitos e/ou fitas locadas" + refused, false},
        {"credit", [](auto&, auto& d) { d.ValorPago = Money::fromCents(50); },
         " O(A) cliente Caio possui saldo" + refused, false},
        {"square", {}, "Deseja excluir todos os dados de 'Caio Lima' ?", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PeopleStore store;
        store.family(c.adjust);
        DependentRegister reg(store.state, 1);
        reg.showDependent(2);
        store.dialogs.answers = {msg::Answer::Yes};

        EXPECT_EQ(reg.deleteDependent(), c.deleted);

        EXPECT_EQ(store.dialogs.shownTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(store.deleted(FileKind::Dependents, 2), c.deleted);
    }
}

TEST(DependentRegister, MakingAHolderMovesTapesReservationsAndLastClients)
{
    PeopleStore store;
    store.family([](auto&, auto& d) {
        d.NumFitas = 1;
        d.Fitas[0] = 1;
        d.ValorPago = Money::fromCents(700);
        d.ValorDevido = Money::fromCents(700);
    });
    auto& records = store.state.records();
    const auto tape = [&](int n, auto adjust) {
        records.tape() = {};
        records.tape().Nome = "Fita " + std::to_string(n);
        adjust(records.tape());
        records.writeRecord(FileKind::Tapes, n);
    };
    tape(1, [](TapeRecord& t) { t.ClienteFita = 2; });
    tape(2, [](TapeRecord& t) {
        t.NumReservas = 3;
        t.ReservaCliente = {2, 1, 2, 0, 0};
        t.ReservaTitular = {false, false, true, false, false};
    });
    tape(3, [](TapeRecord& t) {
        t.UltCliente = {1, 2, 2};
        t.UltTitular = {false, false, true};
    });
    DependentRegister reg(store.state, 1);
    reg.showDependent(2);
    store.dialogs.answers = {msg::Answer::Yes};

    const auto client = reg.makeHolder();

    ASSERT_EQ(client, 2);
    EXPECT_EQ(store.dialogs.shownTexts().back(), "O novo código de 'Caio Lima' é:2");
    records.readRecord(FileKind::Clients, 2, true);
    EXPECT_EQ(records.client().NumFitas, 1);
    EXPECT_EQ(records.client().ValorPago, Money::fromCents(700));
    records.readRecord(FileKind::Clients, 1, true);
    EXPECT_EQ(records.client().NumDep, 1);
    records.readRecord(FileKind::Tapes, 1, true);
    EXPECT_TRUE(records.tape().ClienteTitular);
    records.readRecord(FileKind::Tapes, 2, true);
    EXPECT_EQ(records.tape().ReservaCliente, (std::array<std::int16_t, 5>{2, 1, 2, 0, 0}));
    EXPECT_EQ(records.tape().ReservaTitular,
              (std::array<bool, 5>{true, false, true, false, false}));
    records.readRecord(FileKind::Tapes, 3, true);
    EXPECT_EQ(records.tape().UltTitular, (std::array<bool, 3>{false, true, true}));
    EXPECT_TRUE(store.deleted(FileKind::Dependents, 2));
}

} // namespace
} // namespace tavolim::core
