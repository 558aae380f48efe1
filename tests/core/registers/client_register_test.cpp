#include "core/registers/ClientRegister.h"

#include "core/ports/Dialogs.h"
#include "core/registers/DateBox.h"
#include "core/registers/PeopleStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::Adjust;
using test::PeopleStore;

class ClientRegisterTest : public ::testing::Test, protected PeopleStore {};

TEST_F(ClientRegisterTest, SavesTheControlsWithTheirConversionsAndShowsThemBack)
{
    ClientRegister reg(state);
    dialogs.texts = {"  José   da Silva "};
    ASSERT_TRUE(reg.addHolder());
    reg.form.DataNasc = "05/03/1981";
    reg.form.CEP = "01310-100";
    reg.form.Observacoes = "paga em dia";

    ASSERT_TRUE(reg.save());

    state.records().readRecord(FileKind::Clients, 1, true);
    const ClientRecord c = state.records().client();
    EXPECT_EQ(c.SobreNome, "da Silva");
    EXPECT_EQ(c.HoraInsc, 1400);
    ClientRegister again(state);
    again.open();
    EXPECT_EQ(again.form.CEP, "01310-100");
    EXPECT_EQ(again.form.DataNasc, "05/03/1981");
    EXPECT_EQ(again.form.HoraInsc, "14:00");
    EXPECT_EQ(again.form.Observacoes, "paga em dia");
}

TEST_F(ClientRegisterTest, ListsDependentsAndRefusesAnEleventh)
{
    family();
    ClientRegister reg(state);
    reg.open();
    ASSERT_EQ(reg.lstDependentes.size(), 2u);
    EXPECT_EQ(reg.lstDependentes[0], " 1 Bia            ");
    for (int i = 3; i <= 10; ++i) {
        dialogs.texts.push_back("Filho" + std::to_string(i) + " Lima");
        ASSERT_EQ(reg.addDependent(), i);
    }

    dialogs.texts = {"Zeca Lima"};
    const auto eleventh = reg.addDependent();

    EXPECT_EQ(eleventh, std::nullopt);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{
                  "Este cliente já possui 10 dependentes, o número máximo permitido."});
    EXPECT_EQ(dialogs.texts.size(), 1u) << "refused before the name is asked";
    EXPECT_EQ(state.records().recordCount(FileKind::Dependents), 10);
}

TEST_F(ClientRegisterTest, RenamingToAnotherPersonsNameIsRefusedWithVerifNomeECod)
{
    family();
    state.options().VerifNomeECod = true;
    ClientRegister reg(state);
    reg.open();
    reg.form.PrimNome = "Caio";
    reg.markDirty();

    EXPECT_FALSE(reg.save());

    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O nome do(a) cliente já existe.\nN° de registro : 2"});
    state.records().readRecord(FileKind::Clients, 1, true);
    EXPECT_EQ(state.records().client().PrimNome, "Ana");
}

struct DeleteCase {
    const char* what;
    Adjust adjust;
    std::vector<std::string> messages;
    std::vector<msg::Answer> answers;
    bool deleted;
};

TEST(ClientRegisterDelete, AHolderGoesWithItsDependentsOnlyWhenTheFamilyIsSquare)
{
    const std::string who = " O(A) cliente Ana, e/ou um(a) de seus(suas) dependentes, ";
    const std::string owes =
        who + "possuem débitos e/ou fitas locadas, portanto não pode ser excluído(a).";
    const std::string credit = who + "podem possuir saldo.";
    const std::string ask =
        "Deseja excluir todos os dados de 'Ana', inclusive de seus dependentes ?";
    const std::vector<DeleteCase> cases = {
        {"dependent owes",
         [](auto&, auto& d) { d.ValorDevido = Money::fromCents(200); },
         {owes},
         {},
         false},
        {"dependent holds a tape", [](auto&, auto& d) { d.NumFitas = 1; }, {owes}, {}, false},
        {"holder has credit",
         [](auto& c, auto&) { c.ValorPago = Money::fromCents(100); },
         {credit},
         {},
         false},
        {"dependent has credit",
         [](auto&, auto& d) { d.ValorPago = Money::fromCents(100); },
         {credit},
         {},
         false},
        {"answered No", {}, {ask}, {msg::Answer::No}, false},
        {"square", {}, {ask}, {msg::Answer::Yes}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PeopleStore store;
        store.family(c.adjust);
        ClientRegister reg(store.state);
        reg.open();
        store.dialogs.answers.assign(c.answers.begin(), c.answers.end());

        EXPECT_EQ(reg.deleteHolder(), c.deleted);

        EXPECT_EQ(store.dialogs.shownTexts(), c.messages);
        EXPECT_EQ(store.deleted(FileKind::Clients, 1), c.deleted);
        EXPECT_EQ(store.deleted(FileKind::Dependents, 2), c.deleted);
    }
}

TEST(DateBox, SwallowsSeparatorsAndPutsTheSlashesItself)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"05031981", "05/03/1981"},
        {"05/03/1981", "05/03/1981"},
        {"5-3.81,", "53/81/"},
        {"050319811999", "05/03/1981"},
    };
    for (const auto& [keys, shown] : cases) {
        std::string box;

        for (const char key : keys) {
            box = typeDateKey(box, key);
        }

        EXPECT_EQ(box, shown) << keys;
    }
}

TEST_F(ClientRegisterTest, DeletingWhatWasNeverSavedIsNoInternalError)
{
    struct Case {
        bool typedNew;       // Adicionar first, then Excluir before saving
        msg::Answer discard; // the answer to dropping the new client
        std::string message;
        std::int32_t codeAfter; // 0: the empty form
    };
    const std::string unsaved = "Este cliente ainda não foi salvo.\nDeseja descartar o que foi "
                                "digitado ?";
    const Case cases[] = {
        {false, msg::Answer::Yes, "Não há um cliente selecionado.", 0},
        {true, msg::Answer::No, unsaved, 1},
        {true, msg::Answer::Yes, unsaved, 0},
    };
    for (const Case& c : cases) {
        PeopleStore fresh;
        ClientRegister reg(fresh.state);
        reg.open();
        if (c.typedNew) {
            fresh.dialogs.texts = {"Ana Lima"};
            ASSERT_TRUE(reg.addHolder());
        } else {
            // A name typed into the blank form of an empty register.
            reg.form.PrimNome = "Ana";
        }
        fresh.dialogs.answers = {c.discard};

        EXPECT_FALSE(reg.deleteHolder());

        EXPECT_EQ(fresh.dialogs.shownTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(reg.code(), c.codeAfter);
        EXPECT_EQ(fresh.state.records().recordCount(FileKind::Clients), 0);
    }
}

} // namespace
} // namespace tavolim::core
