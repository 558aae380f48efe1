#include "core/reports/ListPrompts.h"
#include "core/reports/RecordLists.h"
#include "core/reports/SituationCode.h"

#include "core/reports/ReportsFixture.h"
#include "core/store/LabelRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;
using Rows = std::vector<ListRow>;

// Holders Ana (debt), Bia (deleted), Caio (a tape out), Davi; dependents Duda (Ana's,
// credit), Eva (Davi's, deleted), Fábio (Davi's, debt and a tape out). Tapes Tubarão (out,
// reserved, Aventura, Warner), Ghost (deleted), Alien (out, Aventura, label 2), Matrix
// (Comédia, the deleted Fox). Two actors share the name "Tom Hanks".
class RecordListsTest : public test::ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        holder(1, "Ana", "Souza", [](auto& c) { c.ValorDevido = Money::fromReais(3); });
        holder(2, "Bia", "Reis");
        holder(3, "Caio", "Lima", [](auto& c) {
            c.NumFitas = 1;
            c.Fitas[0] = 1;
        });
        holder(4, "Davi", "");
        dependent(1, 1, "Duda", "Souza", [](auto& d) { d.ValorPago = Money::fromReais(5); });
        dependent(2, 4, "Eva", "Castro");
        dependent(3, 4, "Fábio", "Castro", [](auto& d) {
            d.ValorDevido = Money::fromReais(1);
            d.NumFitas = 1;
            d.Fitas[0] = 3;
        });
        markDeleted<ClientRecord>(2);
        markDeleted<DependentRecord>(2);

        LabelRecord label;
        label.Nome = "Lançamento";
        ASSERT_TRUE(records().save(2, label));
        tape(1, "Tubarão", [](auto& t) {
            t.Secao = 2;
            t.Distribuidor = 1;
            t.ClienteFita = 3;
            t.ClienteTitular = true;
            t.NumReservas = 1;
        });
        tape(2, "Ghost", [](auto& t) {
            t.Secao = 2;
            t.Distribuidor = 1;
        });
        tape(3, "Alien", [](auto& t) {
            t.Secao = 2;
            t.Selo = 2;
            t.ClienteFita = 3;
        });
        tape(4, "Matrix", [](auto& t) {
            t.Secao = 3;
            t.Distribuidor = 2;
        });
        markDeleted<TapeRecord>(2);

        product(1, "Pipoca");
        product(2, "Bala");
        product(3, "Refrigerante");
        markDeleted<ProductRecord>(2);
        distributor(1, "Warner");
        distributor(2, "Fox");
        distributor(3, "Paris");
        markDeleted<DistributorRecord>(2);
        actor(1, "Tom Hanks", {4, 2, 1, 4});
        actor(2, "Meg Ryan", {});
        actor(3, "Tom Hanks", {3});
    }

    // Runs the list as the menu does, picking line `pick` of any picker.
    std::optional<RecordList> run(ListKind kind, std::size_t pick = 0)
    {
        return runList(state, kind,
                       [&](const std::string& caption, const std::vector<std::string>& lines) {
                           captions.push_back(caption);
                           picked.insert(picked.end(), lines.begin(), lines.end());
                           return std::optional<std::size_t>(pick);
                       });
    }

    std::vector<std::string> captions;
    std::vector<std::string> picked;
};

TEST_F(RecordListsTest, EachListSelectsItsRecordsInFileOrderAndNeverADeletedOne)
{
    const Rows holders = {{"Ana Souza", 1, 'R'}, {"Caio Lima", 3, 'R'}, {"Davi", 4, 'R'}};
    const Rows dependents = {{"Duda Souza", 1, 'D'}, {"Fábio Castro", 3, 'D'}};
    Rows people = holders;
    people.insert(people.end(), dependents.begin(), dependents.end());
    struct Case {
        ListKind kind;
        std::optional<std::string> typed;
        std::size_t pick;
        Rows rows;
        std::string title;
    };
    const std::vector<Case> cases = {
        {ListKind::Holders, {}, 0, holders, "Clientes Titulares"},
        {ListKind::Dependents, {}, 0, dependents, "Clientes Dependentes"},
        {ListKind::People, {}, 0, people, "Todos os Clientes"},
        {ListKind::PeopleWithDebt,
         {},
         0,
         {{"Ana Souza", 1, 'R'}, {"Fábio Castro", 3, 'D'}},
         "Clientes com Débitos"},
        {ListKind::PeopleWithTapes,
         {},
         0,
         {{"Caio Lima", 3, 'R'}, {"Fábio Castro", 3, 'D'}},
         "Clientes com Fitas Locadas"},
        {ListKind::Tapes, {}, 0, {{"Tubarão", 1}, {"Alien", 3}, {"Matrix", 4}}, "Todas as Fitas"},
        {ListKind::TapesOut, {}, 0, {{"Tubarão", 1}, {"Alien", 3}}, "Fitas Locadas"},
        {ListKind::TapesReserved, {}, 0, {{"Tubarão", 1}}, "Fitas Reservadas"},
        {ListKind::TapesBySection,
         {},
         1,
         {{"Tubarão", 1}, {"Alien", 3}},
         "Fitas por Seção: Aventura"},
        {ListKind::TapesByLabel, {}, 1, {{"Alien", 3}}, "Fitas por Selo: Lançamento"},
        {ListKind::TapesByDistributor,
         " warner ",
         0,
         {{"Tubarão", 1}},
         "Fitas por Distribuidora: Warner"},
        // Actor 1's tapes in its order (the deleted one and the repeat left out), then
        // the other actor of the same name.
        {ListKind::TapesByActor,
         "TOM HANKS",
         0,
         {{"Matrix", 4}, {"Tubarão", 1}, {"Alien", 3}},
         "Fitas por Ator/Atriz: Tom Hanks"},
        {ListKind::Products, {}, 0, {{"Pipoca", 1}, {"Refrigerante", 3}}, "Produtos"},
        {ListKind::Distributors, {}, 0, {{"Warner", 1}, {"Paris", 3}}, "Distribuidoras"},
    };

    for (const Case& c : cases) {
        if (c.typed) {
            dialogs.texts.push_back(c.typed);
        }

        const auto list = run(c.kind, c.pick);

        ASSERT_TRUE(list) << c.title;
        EXPECT_EQ(list->rows, c.rows) << c.title;
        EXPECT_EQ(list->title, c.title);
        EXPECT_EQ(list->kind, listInfo(c.kind).reportKind) << c.title;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.prompts,
              (std::vector<std::string>{"Nome da Distribuidora:", "Nome do Ator/Atriz:"}));
    EXPECT_EQ(captions, (std::vector<std::string>{"Clique no nome da seção", "Clique no Selo"}));
    EXPECT_EQ(picked, (std::vector<std::string>{"Ação", "Aventura", "Comédia", "Drama", "Infantil",
                                                "Romance", "Suspense", "Terror", "Catálogo",
                                                "Lançamento"}));
}

// A store with a distributor and an actor but nothing else (gaps of blank records before
// them): each list tells its own message.
TEST_F(RecordListsTest, EveryEmptyListShowsItsMessageAndGivesNoList)
{
    for (const FileKind kind : {FileKind::Clients, FileKind::Dependents, FileKind::Tapes,
                                FileKind::Products, FileKind::Distributors, FileKind::Actors}) {
        std::filesystem::resize_file(records().filePath(kind), 0);
        std::filesystem::resize_file(records().filePath(kind), 3 * fileKindInfo(kind).recordLength);
    }
    distributor(4, "Warner");
    actor(4, "Tom Hanks", {});

    for (const ListInfo& info : listTable()) {
        if (info.kind == ListKind::Distributors) {
            markDeleted<DistributorRecord>(4);
        }
        dialogs.messages.clear();
        dialogs.texts = {
            std::string(info.argument == ListArgument::ActorName ? "Tom Hanks" : "Warner")};

        const auto list = run(info.kind);

        EXPECT_FALSE(list) << info.menuName;
        ASSERT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(info.emptyMessage)})
            << info.menuName;
        EXPECT_EQ(dialogs.messages[0].flags, msg::Information);
    }
}

TEST_F(RecordListsTest, NamePromptsRefuseUnknownAndDeletedNamesAndCancelQuietly)
{
    struct Case {
        ListKind kind;
        std::optional<std::string> typed;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {ListKind::TapesByDistributor, "Fox", {std::string(kUnknownDistributor)}},
        {ListKind::TapesByDistributor, "Warn", {std::string(kUnknownDistributor)}},
        {ListKind::TapesByActor, "Ninguém", {std::string(kUnknownActor)}},
        {ListKind::TapesByActor, std::nullopt, {}},
        {ListKind::TapesByDistributor, "   ", {}},
        // Meg Ryan is known but in no tape.
        {ListKind::TapesByActor, "meg ryan", {"Não há registro de fitas com este(a) ator/atriz."}},
    };

    for (const Case& c : cases) {
        dialogs.messages.clear();
        dialogs.texts = {c.typed};

        EXPECT_FALSE(run(c.kind)) << c.typed.value_or("(cancelado)");
        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.typed.value_or("(cancelado)");
    }
}

TEST(SituationCode, FollowsTheOrderLateOutDebtCreditNormal)
{
    const sys_days today = sys_days(year{2026} / 12 / 5);
    // Tape 1 was due yesterday, tape 2 is due today, tape 3 holds no date.
    const auto due = [&](std::int16_t tape) -> std::optional<sys_days> {
        if (tape == 3) {
            return std::nullopt;
        }
        return today - days{tape == 1 ? 1 : 0};
    };
    struct Case {
        std::vector<std::int16_t> tapes;
        double pago;
        double devido;
        const char* code;
    };
    const std::vector<Case> cases = {
        {{2, 1}, 0, 4, "Atr"}, {{2}, 0, 4, "Loc"}, {{3}, 9, 0, "Loc"}, {{}, 5, 4, "Deb"},
        {{}, 5, 0, "Sld"},     {{}, 5, -1, "Sld"}, {{}, 0, 0, "Nrm"},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(situationCode(c.tapes, Money::fromReais(c.pago), Money::fromReais(c.devido),
                                today, due),
                  c.code)
            << c.code;
    }
}

TEST_F(RecordListsTest, DueDatesComeFromEachTapesBaseAndTerm)
{
    tape(5, "Duna", [&](auto& t) {
        t.DataBase = daysAgo(3);
        t.DiasBase = 2;
    });

    const DueDates due(records());

    EXPECT_EQ(due(5), today() - days{1});
    EXPECT_EQ(due(4), std::nullopt); // no base date
    EXPECT_EQ(due(99), std::nullopt);
    EXPECT_EQ(due(-1), std::nullopt);
}

} // namespace
} // namespace tavolim::core
