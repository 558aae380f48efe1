#include "core/tools/DataToolFixture.h"

#include "core/store/TextHelpers.h"
#include "core/tools/BulkEdit.h"
#include "core/tools/FieldValues.h"
#include "core/tools/RecordWalk.h"

#include <variant>
#include <vector>

namespace tavolim::core {
namespace {

using test::DataToolTest;

// Every item of lstCampo reaches a record field stored the way its type reads and writes it,
// in every file of its kind (dependents lacking only what the holders alone have).
TEST(DataFields, EachFieldBindsToARecordFieldOfItsType)
{
    const auto expectedType = [](FieldType type) -> std::size_t {
        switch (type) {
        case FieldType::Text:
            return 1; // std::string*
        case FieldType::Time:
        case FieldType::Number:
        case FieldType::List:
            return 2; // Int
        case FieldType::Cep:
        case FieldType::Date:
        case FieldType::Memo:
        case FieldType::Synopsis:
            return 3; // Long
        case FieldType::YesNo:
            return 4;
        case FieldType::Quantity:
            return 5;
        case FieldType::Money:
            return 6;
        }
        return 0;
    };
    ClientRecord client;
    DependentRecord dependent;
    TapeRecord tape;
    ProductRecord product;
    DistributorRecord distributor;
    const auto check = [&](DataKind kind, auto& record, bool dependents) {
        for (const FieldInfo& f : dataFields(kind)) {
            SCOPED_TRACE(std::string(f.name));
            if (dependents && f.holdersOnly) {
                EXPECT_TRUE(
                    std::holds_alternative<std::monostate>(fieldRef(record, f.recordField)));
                continue;
            }
            EXPECT_EQ(fieldRef(record, f.recordField).index(), expectedType(f.type));
            EXPECT_EQ(f.type == FieldType::YesNo, !f.yes.empty() && !f.no.empty());
            EXPECT_EQ(f.type == FieldType::List, f.choices != ChoiceList::None);
        }
    };
    check(DataKind::Clients, client, false);
    check(DataKind::Clients, dependent, true);
    check(DataKind::Tapes, tape, false);
    check(DataKind::Products, product, false);
    check(DataKind::Distributors, distributor, false);

    EXPECT_EQ(dataFields(DataKind::Clients).size(), 23u);
    EXPECT_EQ(dataFields(DataKind::Tapes).size(), 15u);
    EXPECT_EQ(dataFields(DataKind::Products).size(), 9u);
    EXPECT_EQ(dataFields(DataKind::Distributors).size(), 11u);
    EXPECT_EQ(dataFieldByName(DataKind::Tapes, "SEÇÃO")->recordField, "Secao");
    EXPECT_EQ(dataFieldByName(DataKind::Clients, "data de nascimento")->recordField, "DataNasc");
    EXPECT_EQ(dataFieldByName(DataKind::Clients, "Valor Pago"), nullptr);
}

TEST(DataFields, TypedValuesConvertAsTheRegistersDo)
{
    struct Case {
        FieldType type;
        ValueBox value;
        Scalar expected;
    };
    const auto integer = [](std::int64_t n) { return Scalar{n, {}, 0}; };
    const std::vector<Case> cases = {
        {FieldType::Date, {"5/3/2001"}, integer(5032001)},
        {FieldType::Date, {"31/02/2001"}, integer(0)},
        {FieldType::Time, {"14:35"}, integer(1435)},
        {FieldType::Cep, {"12.345-678x9"}, integer(12345678)},
        {FieldType::Number, {" 12a"}, integer(12)},
        {FieldType::Number, {"99999"}, integer(32767)},
        {FieldType::Money, {"1.234,56"}, Scalar{0, Money::fromCents(123456), 0}},
        {FieldType::Quantity, {"2,5"}, Scalar{0, {}, 2.5f}},
        {FieldType::YesNo, {"", 0, false}, integer(0)},
        {FieldType::List, {"", 3}, integer(3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.txtConteudo);
        const FieldInfo field{"x", "x", c.type};

        EXPECT_EQ(typedScalar(field, c.value), c.expected);
    }
    EXPECT_EQ(clearedScalar(FieldType::Date).integer, kClearedDate);
    EXPECT_EQ(dateToText(kClearedDate), "01/01/1900");
}

TEST(RecordRange, TakesEveryRecordOrABoundedRangeWithinTheFile)
{
    struct Case {
        bool all;
        const char* from;
        const char* to;
        std::optional<std::pair<int, int>> expected;
    };
    const std::vector<Case> cases = {
        {true, "", "", std::pair{1, 10}},       {false, "2", "4", std::pair{2, 4}},
        {false, "10", "10", std::pair{10, 10}}, {false, "0", "5", std::nullopt},
        {false, "1", "11", std::nullopt},       {false, "-1", "3", std::nullopt},
        {false, "4", "3", std::nullopt},        {false, "", "3", std::nullopt},
        {false, "abc", "3", std::nullopt},      {false, "2a", "3", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + ".." + c.to);

        const auto range = rangeFromForm(c.all, c.from, c.to, 10);

        ASSERT_EQ(range.has_value(), c.expected.has_value());
        if (range) {
            EXPECT_EQ(range->first, c.expected->first);
            EXPECT_EQ(range->last, c.expected->second);
        }
    }
    // A number past the Int range is no record, even of a full file.
    EXPECT_FALSE(rangeFromForm(false, "1", "70000", 32767).has_value());
}

// Holders Ana, Caio, the deleted Eva and Gil; Ana's dependent Bia, Davi listed by both Caio and
// Gil, Fabio under the deleted Eva. Tapes Duna (label 1), Alien (label 2) and a deleted one.
class DataFindTest : public DataToolTest {
protected:
    void SetUp() override
    {
        DataToolTest::SetUp();
        holder(1, "Ana", "Souza", [this](ClientRecord& c) {
            c.DataNasc = 5032001;
            c.CEP = 12345678;
            c.Sexo = true;
            c.TipoCasa = true;
            std::string note = "Cliente antiga da CASA VERDE";
            state.memos().writeMemo(c.Observacoes, note);
        });
        dependent(1, 1, "Bia", "Souza");
        holder(2, "Caio", "Lima");
        dependent(2, 2, "Davi", "Souza");
        holder(3, "Eva", "Souza");
        dependent(3, 3, "Fabio", "Souza");
        markDeleted<ClientRecord>(3);
        holder(4, "Gil", "Souza", [](ClientRecord& c) {
            c.NumDep = 1;
            c.Dep[0] = 2;
        });
        tape(1, "Duna");
        tape(2, "Alien", [](TapeRecord& t) { t.Selo = 2; });
        tape(3, "Duna 2");
        markDeleted<TapeRecord>(3);
    }
};

TEST_F(DataFindTest, ListsHoldersEachFollowedByItsDependentsInTheListWindowForm)
{
    struct Case {
        DataKind kind;
        const char* field;
        ValueBox value;
        bool wholeWords = false;
        bool matchCase = false;
        std::vector<ListRow> rows;
    };
    const std::vector<Case> cases = {
        {DataKind::Clients,
         "Sobrenome",
         {"Souza"},
         false,
         false,
         {{"Ana Souza", 1, 'R'},
          {"Bia Souza", 1, 'D'},
          {"Davi Souza", 2, 'D'},
          {"Gil Souza", 4, 'R'}}},
        {DataKind::Clients, "Nome", {"a"}, true, false, {}},
        {DataKind::Clients,
         "Nome",
         {"*a"},
         true,
         false,
         {{"Ana Souza", 1, 'R'}, {"Bia Souza", 1, 'D'}}},
        {DataKind::Clients, "Sobrenome", {"souza"}, false, true, {}},
        {DataKind::Clients,
         "Data de Nascimento",
         {"05/03/2001"},
         false,
         false,
         {{"Ana Souza", 1, 'R'}}},
        {DataKind::Clients, "CEP", {"12345"}, true, false, {{"Ana Souza", 1, 'R'}}},
        {DataKind::Clients, "Observações", {"casa"}, true, false, {{"Ana Souza", 1, 'R'}}},
        {DataKind::Clients, "Sexo", {"", 0, true}, false, false, {{"Ana Souza", 1, 'R'}}},
        // Dependents have no Tipo Casa: only holders can match it.
        {DataKind::Clients,
         "Tipo Casa",
         {"", 0, false},
         false,
         false,
         {{"Caio Lima", 2, 'R'}, {"Gil Souza", 4, 'R'}}},
        {DataKind::Tapes, "Selo", {"", 2}, false, false, {{"Alien", 2, 0}}},
        {DataKind::Tapes, "Nome", {"duna"}, true, false, {{"Duna", 1, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.value.txtConteudo);
        dialogs.messages.clear();
        auto& t = on(c.kind, c.field);
        t.form.conteudo = c.value;
        t.form.chkPalavraSo = c.wholeWords;
        t.form.chkCoincMM = c.matchCase;

        const auto list = t.find();

        if (c.rows.empty()) {
            EXPECT_FALSE(list.has_value());
            EXPECT_EQ(lastMessage(), std::string(dataKindInfo(c.kind).noneFound));
        } else {
            ASSERT_TRUE(list.has_value());
            EXPECT_EQ(list->rows, c.rows);
            EXPECT_EQ(list->kind, reportKindOf(c.kind));
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
}

TEST_F(DataFindTest, TestsTheHoldersOfTheRangeWithTheirDependents)
{
    auto& t = on(DataKind::Clients, "Sobrenome");
    t.form.conteudo.txtConteudo = "Souza";
    t.form.optTodos = false;
    t.form.txtDe = "2";
    t.form.txtAte = "2";

    const auto list = t.find();

    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(list->rows, (std::vector<ListRow>{{"Davi Souza", 2, 'D'}}));
}

TEST_F(DataFindTest, RefusesARangeStartingAtZeroBeforeReadingAnything)
{
    for (const auto kind : {DataKind::Clients, DataKind::Tapes}) {
        auto& t = on(kind, "Nome");
        t.form.conteudo.txtConteudo = "Duna";
        t.form.optTodos = false;
        t.form.txtDe = "0";
        t.form.txtAte = "2";

        EXPECT_FALSE(t.find().has_value());
        EXPECT_FALSE(t.replace());
    }

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>(4, std::string(kBadRange)));
    EXPECT_TRUE(progress.captions.empty());
}

TEST_F(DataFindTest, NothingFoundTellsTheKindsOwnMessage)
{
    for (const auto& kind : dataKinds()) {
        auto& t = on(kind.kind, dataFields(kind.kind)[0].name);
        t.form.conteudo.txtConteudo = "Zebra";

        EXPECT_FALSE(t.find().has_value());
    }

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Nenhum(a) cliente encontrado(a) com este dado.",
                                        "Nenhuma fita encontrada com este dado.",
                                        "Nenhum produto encontrado com este dado.",
                                        "Nenhum distribuidor encontrado com este dado."}));
}

} // namespace
} // namespace tavolim::core
