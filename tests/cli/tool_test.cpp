#include "ToolRun.h"
#include "core/books/BookRecords.h"
#include "core/books/Histories.h"
#include "core/store/BinaryFile.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"
#include "support/LayoutChecker.h"

#include <string>
#include <vector>

namespace tavolim::cli {
namespace {

using core::FileKind;

class ToolTest : public ToolTestBase {
protected:
    void init() { ASSERT_EQ(tool({"init"}).code, 0); }
};

TEST_F(ToolTest, WrongUsageExitsWithTwoAndTheUsageWithoutTouchingTheFolder)
{
    const std::string missing = (temp.path() / "nova").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"init"},
        {"--dados"},
        {"--dados", missing},
        {"--dados", missing, "voar"},
        {"--dados", missing, "--verbose", "init"},
        {"--dados", missing, "init", "extra"},
        {"--dados", missing, "init", "--clientes", "5"},
        {"--dados", missing, "dump"},
        {"--dados", missing, "dump", "filmes"},
        {"--dados", missing, "dump", "livro-fita"},
        {"--dados", missing, "dump", "hist-fita"},
        {"--dados", missing, "dump", "clientes", "um"},
        {"--dados", missing, "dump", "clientes", "1", "2"},
        {"--dados", missing, "dump", "memo"},
        {"--dados", missing, "dump", "sinopse", "1a"},
        {"--dados", missing, "exemplo", "--fitas", "muitas"},
        {"--dados", missing, "exemplo", "--fitas"},
        {"--dados", missing, "situacao"},
        {"--dados", missing, "situacao", "--cliente", "0"},
        {"--dados", missing, "situacao", "--cliente", "1", "--dependente", "2"},
        {"--dados", missing, "situacao", "--cliente", "1", "--hoje", "31/02/2026"},
        {"--dados", missing, "situacao", "--cliente", "1", "--agora", "25:00"},
        {"--dados", missing, "dump", "clientes", "--hoje", "01/12/2026"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));

        const auto r = run(args);

        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("uso: tavolim-tool"), std::string::npos);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
}

TEST_F(ToolTest, HelpGoesToStandardOutputWithExitZero)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--ajuda"}, {"-h"}, {"--dados", dir, "init", "-h"}}) {
        SCOPED_TRACE(testing::PrintToString(args));

        const auto r = run(args);

        EXPECT_EQ(r.code, 0);
        EXPECT_NE(r.out.find("uso: tavolim-tool"), std::string::npos);
        EXPECT_TRUE(r.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(temp.file("tavolim.ini")));
}

TEST_F(ToolTest, InitMakesAMissingFolderAStoreAndRefusesASecondTime)
{
    dir = (temp.path() / "loja" / "dados").string();

    EXPECT_EQ(tool({"init"}).code, 0);
    const auto rulesAfterFirst = core::binaryfile::readAll(dir + "/tavolim.ini");
    const auto second = tool({"init"});

    EXPECT_EQ(rulesAfterFirst.size(), core::GeneralRulesRecord::Size);
    EXPECT_EQ(second.code, 1);
    EXPECT_NE(second.err.find("já tem uma instalação"), std::string::npos);
    EXPECT_EQ(core::binaryfile::readAll(dir + "/tavolim.ini"), rulesAfterFirst);
}

// Every field of the record's list, in order.
template <class R>
void expectAllFields(const Json& object)
{
    const auto layout = test::layoutOf<R>();
    ASSERT_EQ(object.size(), layout.spans.size());
    auto key = object.begin();
    for (const auto& span : layout.spans) {
        EXPECT_EQ((key++).key(), span.name);
    }
}

TEST_F(ToolTest, DumpOfANewStoreGivesOneJsonObjectPerRecordWithEveryField)
{
    init();
    const std::vector<std::pair<const char*, void (*)(const Json&)>> cases = {
        {"regras", &expectAllFields<core::GeneralRulesRecord>},
        {"selos", &expectAllFields<core::LabelRecord>},
        {"midias", &expectAllFields<core::MediaRecord>},
        {"locadora", &expectAllFields<core::StoreRecord>},
    };
    for (const auto& [kind, check] : cases) {
        SCOPED_TRACE(kind);

        const auto r = tool({"dump", kind});

        EXPECT_EQ(r.code, 0);
        ASSERT_EQ(r.lines().size(), 1u);
        check(r.lines()[0]);
    }
    const auto rules = tool({"dump", "regras"}).lines().at(0);
    const auto label = tool({"dump", "selos", "1"}).lines().at(0);
    EXPECT_EQ(rules["NomeOperador"][0], "Tavolim");
    EXPECT_EQ(rules["Feriados"].size(), 93u);
    EXPECT_EQ(label["Diarias"].size(), 45u);
    EXPECT_TRUE(label["Diarias"][0].is_number());
    EXPECT_TRUE(tool({"dump", "clientes"}).out.empty());
}

TEST_F(ToolTest, DumpShowsAClientExactlyAsStored)
{
    init();
    core::RecordStore store(temp.path());
    store.client().PrimNome = "Ana";
    store.writeRecord(FileKind::Clients, 1);
    auto& c = store.client();
    c = core::ClientRecord{};
    c.PrimNome = "José";
    c.NumDep = 2;
    c.Dep[0] = 4;
    c.Dep[1] = 9;
    c.Fitas[14] = 7;
    c.ValorPago = core::Money::fromCents(1250);
    c.ValorDevido = core::Money::fromThousandths(125);
    store.writeRecord(FileKind::Clients, 2);

    const auto one = tool({"dump", "clientes", "2"});
    const auto all = tool({"dump", "clientes"}).lines();

    ASSERT_EQ(one.code, 0);
    ASSERT_EQ(one.lines().size(), 1u);
    const Json j = one.lines()[0];
    expectAllFields<core::ClientRecord>(j);
    EXPECT_EQ(j["Codigo"], 2);
    EXPECT_EQ(j["PrimNome"], "José");
    EXPECT_EQ(j["Dep"], Json({4, 9, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(j["Fitas"][14], 7);
    EXPECT_NE(one.out.find("\"ValorPago\":12.5,"), std::string::npos) << one.out;
    EXPECT_NE(one.out.find("\"ValorDevido\":0.125,"), std::string::npos) << one.out;
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0]["PrimNome"], "Ana");
    EXPECT_EQ(all[1], j);
}

TEST_F(ToolTest, DumpReadsBoolsAsTrueOnlyForMinusOneAndFloatsAsTheirShortDecimal)
{
    init();
    core::RecordStore store(temp.path());
    auto& p = store.product();
    p.Estoque = 0.1f;
    p.Icms = 18.0f;
    p.Preco = core::Money::fromThousandths(2999);
    store.writeRecord(FileKind::Products, 1);
    store.writeRecord(FileKind::Clients, 1);
    const std::uint8_t one[2] = {1, 0};
    const std::uint8_t minusOne[2] = {0xFF, 0xFF};
    core::binaryfile::writeAt(temp.file("DadosCli.tvl"), 237, one);      // Sexo
    core::binaryfile::writeAt(temp.file("DadosCli.tvl"), 241, minusOne); // TipoCasa

    const auto product = tool({"dump", "produtos", "1"}).out;
    const auto client = tool({"dump", "clientes", "1"}).lines().at(0);

    EXPECT_NE(product.find("\"Estoque\":0.1,"), std::string::npos) << product;
    EXPECT_NE(product.find("\"Icms\":18.0,"), std::string::npos) << product;
    EXPECT_NE(product.find("\"Preco\":2.999,"), std::string::npos) << product;
    EXPECT_EQ(client["Sexo"], false);
    EXPECT_EQ(client["TipoCasa"], true);
}

TEST_F(ToolTest, NumbersThatNameNothingExitWithOne)
{
    init();
    core::RecordStore store(temp.path());
    store.writeRecord(FileKind::Clients, 1);
    const std::vector<std::vector<std::string>> cases = {
        {"dump", "clientes", "0"},    {"dump", "clientes", "2"},
        {"dump", "clientes", "-1"},   {"dump", "clientes", "99999999999999999999"},
        {"dump", "regras", "2"},      {"dump", "memo", "1"},
        {"dump", "sinopse", "1"},     {"dump", "caixa", "2"},
        {"dump", "livro-caixa", "0"}, {"dump", "hist-prod", "0"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));

        const auto r = tool(args);

        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("não existe"), std::string::npos) << r.err;
    }
    dir = (temp.path() / "vazia").string();
    EXPECT_EQ(tool({"dump", "clientes"}).code, 1);
}

TEST_F(ToolTest, DumpsMemoAndSynopsisTexts)
{
    init();
    core::RecordStore store(temp.path());
    store.readRecord(FileKind::GeneralRules, 1, true);
    auto& rules = store.rules();
    core::MemoStore memos(temp.path(), {rules.MemosLivres, rules.MemosDesperdicio});
    core::SynopsisStore synopses(temp.path(), rules.SinopsesDesperdicio);
    std::int32_t memo = 0;
    std::string note = "Prefere filmes de ação.";
    memos.writeMemo(memo, note);
    store.writeRecord(FileKind::Tapes, 1);
    synopses.writeSynopsis(store.tape().Sinopse, store.tape().TamSinopse,
                           "Em Paris, dois irmãos herdam um mapa.");
    store.writeRecord(FileKind::Tapes, 2);
    store.writeRecord(FileKind::GeneralRules, 1);

    const auto withText = tool({"dump", "sinopse", "2"}).lines().at(0);

    EXPECT_EQ(tool({"dump", "memo", std::to_string(memo)}).lines().at(0)["Texto"], note);
    EXPECT_EQ(withText["Texto"], "Em Paris, dois irmãos herdam um mapa.");
    EXPECT_EQ(withText["TamSinopse"], 37);
    EXPECT_EQ(tool({"dump", "sinopse", "1"}).lines().at(0)["Texto"], "");
}

TEST_F(ToolTest, ExemploFillsANewFolderOnceAndDumpsItBack)
{
    dir = (temp.path() / "exemplo").string();

    const auto first = tool({"exemplo", "--clientes", "30", "--fitas", "40", "--produtos", "-4"});
    const auto again = tool({"exemplo"});

    EXPECT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(tool({"dump", "fitas"}).lines().size(), 40u);
    EXPECT_TRUE(tool({"dump", "produtos"}).out.empty());
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("já tem clientes"), std::string::npos);
    EXPECT_EQ(tool({"dump", "clientes"}).lines().size(), 30u);
}

TEST_F(ToolTest, BooksDumpEveryRecordAsStoredAndHistoriesOneNumberAtATime)
{
    init();
    core::TapeBookRecord rental;
    rental.Fita = 12;
    rental.Dependente = -1;
    rental.Valor = core::Money::fromCents(350);
    core::binaryfile::writeAt(temp.path() / "LivroFts.tvl", 24, rental.encoded());
    core::ReturnedTapeRecord returned;
    returned.setBookRecord(40000);
    core::binaryfile::writeAt(temp.path() / "FitasDev.tvl", 0, returned.encoded());
    std::int32_t book = 2;
    const std::int16_t tapes[] = {12};
    core::Histories(temp.path()).appendTapeHistory(2, tapes, book);

    const auto all = tool({"dump", "livro-fitas"}).lines();
    const auto second = tool({"dump", "livro-fitas", "2"}).lines().at(0);
    const auto history = tool({"dump", "hist-fita", "2"}).lines().at(0);
    const auto fresh = tool({"dump", "hist-prod", "9"});

    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(second, all[1]);
    EXPECT_EQ(second["Dependente"], -1);
    EXPECT_EQ(second["Valor"], 3.5);
    EXPECT_EQ(tool({"dump", "fitas-dev"}).lines().at(0)["RegLivro"],
              static_cast<std::int16_t>(40000));
    EXPECT_EQ(tool({"dump", "pos-livro-fitas"}).lines().at(0)["QtdRegs"], 0);
    EXPECT_EQ(history["Fita"][1], 12);
    EXPECT_EQ(history["RegLivro"][1], 2);
    EXPECT_EQ(fresh.code, 0);
    EXPECT_EQ(fresh.lines().at(0)["Produto"].size(), 100u);
}

} // namespace
} // namespace tavolim::cli
