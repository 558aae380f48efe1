#include "core/tools/DataToolFixture.h"

#include "core/store/BinaryFile.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/TextHelpers.h"
#include "core/tools/BulkRun.h"

#include <cerrno>
#include <vector>

namespace tavolim::core {
namespace {

using test::DataToolTest;

constexpr const char* kDone = "Operação Completa.";

// Ana (with a note) and her dependent Bia, Caio; tapes Duna and Alien sharing one synopsis
// block, a deleted tape, two products and a deleted distributor.
class DataEditTest : public DataToolTest {
protected:
    void SetUp() override
    {
        DataToolTest::SetUp();
        holder(1, "Ana", "Souza", [this](ClientRecord& c) {
            c.CI = "123";
            c.DataNasc = 5032001;
            std::string note = "Cliente antiga da CASA VERDE";
            state.memos().writeMemo(c.Observacoes, note);
        });
        dependent(1, 1, "Bia", "Souza", [](DependentRecord& d) { d.DataNasc = 7081990; });
        holder(2, "Caio", "Lima");
        tape(1, "Duna");
        tape(2, "Alien", [](TapeRecord& t) { t.Selo = 2; });
        tape(3, "Duna 2");
        markDeleted<TapeRecord>(3);
        putSynopsis(1, "Uma CASA no campo");
        auto alien = records().load<TapeRecord>(2);
        const auto duna = records().load<TapeRecord>(1);
        alien.Sinopse = duna.Sinopse;
        alien.TamSinopse = duna.TamSinopse;
        ASSERT_TRUE(records().save(2, alien));
        product(1, "Pipoca");
        product(2, "Refrigerante");
        distributor(1, "Filmes SA");
        distributor(2, "Antiga");
        markDeleted<DistributorRecord>(2);
    }

    TapeRecord tapeAt(std::int32_t n) { return records().load<TapeRecord>(n); }
    ClientRecord holderAt(std::int32_t n) { return records().load<ClientRecord>(n); }
};

TEST_F(DataEditTest, ReplacesInAMemoKeepingItsNumber)
{
    const std::int32_t memo = holderAt(1).Observacoes;
    auto& t = on(DataKind::Clients, "Observações");
    t.form.conteudo.txtConteudo = "casa";
    t.form.novo.txtConteudo = "Lar";
    t.form.chkPalavraSo = true;

    EXPECT_TRUE(t.replace());

    EXPECT_EQ(holderAt(1).Observacoes, memo);
    EXPECT_EQ(memoText(memo), "Cliente antiga da Lar VERDE");
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{kDone});
    EXPECT_EQ(progress.captions, std::vector<std::string>{"Substituindo..."});
}

TEST_F(DataEditTest, ReplacingInASharedSynopsisGivesEachTapeItsOwnCopy)
{
    struct Case {
        const char* to; // the range's end: tape 1 alone, or both
        const char* duna;
        const char* alien;
    };
    for (const Case& c : {Case{"1", "Uma LAR no campo", "Uma CASA no campo"},
                          Case{"2", "Uma LAR no campo", "Uma LAR no campo"}}) {
        SCOPED_TRACE(c.to);
        SetUp();
        auto& t = on(DataKind::Tapes, "Sinopse");
        t.form.conteudo.txtConteudo = "CASA";
        t.form.novo.txtConteudo = "LAR";
        t.form.optTodos = false;
        t.form.txtDe = "1";
        t.form.txtAte = c.to;

        EXPECT_TRUE(t.replace());

        EXPECT_EQ(synopsisOf(1), c.duna);
        EXPECT_EQ(synopsisOf(2), c.alien);
        EXPECT_NE(tapeAt(1).Sinopse, tapeAt(2).Sinopse);
        // The counter of abandoned blocks reached the file with the records.
        EXPECT_GT(records().load<GeneralRulesRecord>(1).SinopsesDesperdicio, 0);
    }
}

TEST_F(DataEditTest, ReplacesTextCutToTheFieldAndValuesEqualToTheSoughtOne)
{
    auto& ci = on(DataKind::Clients, "CI");
    ci.form.conteudo.txtConteudo = "123";
    ci.form.novo.txtConteudo = "1234567890ABCDEF";
    EXPECT_TRUE(ci.replace());
    EXPECT_EQ(holderAt(1).CI, "1234567890AB");

    auto& selo = on(DataKind::Tapes, "Selo");
    selo.form.conteudo = {"", 1};
    selo.form.novo = {"", 2};
    EXPECT_TRUE(selo.replace());
    EXPECT_EQ(tapeAt(1).Selo, 2);
    EXPECT_EQ(tapeAt(2).Selo, 2);
    EXPECT_EQ(tapeAt(3).Selo, 1); // deleted: never touched

    auto& date = on(DataKind::Clients, "Data de Nascimento");
    date.form.conteudo.txtConteudo = "7/8/1990";
    date.form.novo.txtConteudo = "08/07/1990";
    EXPECT_TRUE(date.replace());
    EXPECT_EQ(records().load<DependentRecord>(1).DataNasc, 8071990);
    EXPECT_EQ(holderAt(1).DataNasc, 5032001);
}

TEST_F(DataEditTest, RefusesAReplaceThatChangesNothingOrBreaksARecord)
{
    struct Case {
        DataKind kind;
        const char* field;
        ValueBox sought;
        ValueBox replacement;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {DataKind::Tapes, "Nome", {"Duna"}, {" Duna "}, kSameData},
        {DataKind::Clients, "Data de Nascimento", {"5/3/2001"}, {"05/03/2001"}, kSameData},
        {DataKind::Tapes, "Tipo", {"", 0, true}, {"", 0, true}, kSameData},
        {DataKind::Tapes, "Nome", {"Duna"}, {"#Duna"}, kHashName},
        {DataKind::Tapes, "Distribuidor", {"", 1}, {"", 2}, kDeletedChoice},
    };
    const auto before = binaryfile::readAll(records().filePath(FileKind::Tapes));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        dialogs.messages.clear();
        auto& t = on(c.kind, c.field);
        t.form.conteudo = c.sought;
        t.form.novo = c.replacement;

        EXPECT_FALSE(t.replace());

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(c.message)});
    }
    EXPECT_EQ(binaryfile::readAll(records().filePath(FileKind::Tapes)), before);
    EXPECT_TRUE(progress.captions.empty());
}

TEST_F(DataEditTest, FillWritesTheValueAsTheRegisterStoresIt)
{
    auto& selo = on(DataKind::Tapes, "Selo");
    selo.form.conteudo = {"", 2};
    EXPECT_TRUE(selo.fill());
    EXPECT_EQ(tapeAt(1).Selo, 2);
    EXPECT_EQ(tapeAt(3).Selo, 1);
    EXPECT_EQ(dialogs.shownTexts(), (std::vector<std::string>{std::string(kFillQuestion), kDone}));

    auto& birth = on(DataKind::Clients, "Data de Nascimento");
    birth.form.conteudo.txtConteudo = "1/2/1980";
    EXPECT_TRUE(birth.fill());
    EXPECT_EQ(holderAt(2).DataNasc, 1021980);
    EXPECT_EQ(records().load<DependentRecord>(1).DataNasc, 1021980);

    auto& price = on(DataKind::Products, "Preço");
    price.form.conteudo.txtConteudo = "3,50";
    EXPECT_TRUE(price.fill());
    EXPECT_EQ(records().load<ProductRecord>(2).Preco, Money::fromCents(350));

    auto& cep = on(DataKind::Clients, "CEP");
    cep.form.conteudo.txtConteudo = "01310-100";
    EXPECT_TRUE(cep.fill());
    EXPECT_EQ(holderAt(1).CEP, 1310100);
}

TEST_F(DataEditTest, FillGivesEachRecordItsOwnMemoAndSynopsis)
{
    auto& note = on(DataKind::Products, "Observações");
    note.form.conteudo.txtConteudo = "Nota";
    auto& memoTool = note;
    EXPECT_TRUE(memoTool.fill());
    const auto p1 = records().load<ProductRecord>(1).Observacoes;
    const auto p2 = records().load<ProductRecord>(2).Observacoes;
    EXPECT_NE(p1, 0);
    EXPECT_NE(p1, p2);
    EXPECT_EQ(memoText(p1), "Nota");
    EXPECT_EQ(memoText(p2), "Nota");

    auto& synopsis = on(DataKind::Tapes, "Sinopse");
    synopsis.form.conteudo.txtConteudo = "Curta";
    EXPECT_TRUE(synopsis.fill());
    EXPECT_EQ(synopsisOf(1), "Curta");
    EXPECT_EQ(synopsisOf(2), "Curta");
    EXPECT_NE(tapeAt(1).Sinopse, tapeAt(2).Sinopse);
}

TEST_F(DataEditTest, OnlyYesGoesOnWithAFillOrAClear)
{
    const auto before = binaryfile::readAll(records().filePath(FileKind::Tapes));
    dialogs.answers = {msg::Answer::No, msg::Answer::No};
    auto& t = on(DataKind::Tapes, "Selo");
    t.form.conteudo = {"", 2};

    EXPECT_FALSE(t.fill());
    EXPECT_FALSE(t.clear());

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{std::string(kFillQuestion), std::string(kClearQuestion)}));
    EXPECT_EQ(binaryfile::readAll(records().filePath(FileKind::Tapes)), before);
}

TEST_F(DataEditTest, ClearGivesEachFieldItsBlankValue)
{
    const std::int32_t memo = holderAt(1).Observacoes;
    const auto freeBefore = records().rules().MemosLivres;
    for (const char* field : {"Data de Nascimento", "Observações", "CI", "Sexo"}) {
        on(DataKind::Clients, field);
        EXPECT_TRUE(tool.clear()) << field;
    }
    for (const char* field : {"Sinopse", "Selo", "Valor Compra", "Tipo"}) {
        on(DataKind::Tapes, field);
        EXPECT_TRUE(tool.clear()) << field;
    }

    EXPECT_EQ(dateToText(holderAt(1).DataNasc), "01/01/1900");
    EXPECT_EQ(dateToText(holderAt(2).DataNasc), "01/01/1900");
    EXPECT_EQ(dateToText(records().load<DependentRecord>(1).DataNasc), "01/01/1900");
    EXPECT_EQ(holderAt(1).Observacoes, 0);
    EXPECT_EQ(memoText(memo), "");
    EXPECT_EQ(records().load<GeneralRulesRecord>(1).MemosLivres, freeBefore + 1);
    EXPECT_EQ(holderAt(1).CI, "");
    EXPECT_FALSE(holderAt(1).Sexo);
    for (const std::int32_t n : {1, 2}) {
        const auto t = tapeAt(n);
        EXPECT_EQ(t.Sinopse, 0);
        EXPECT_EQ(t.TamSinopse, 0);
        EXPECT_EQ(t.Selo, 0);
        EXPECT_TRUE(t.ValorCompra.isZero());
    }
    EXPECT_EQ(tapeAt(3).Selo, 1);
}

// More tapes than one batch holds.
class BulkEditTest : public DataToolTest {
protected:
    static constexpr std::int32_t kTapes = BulkRun::BatchSize + 100;

    void SetUp() override
    {
        DataToolTest::SetUp();
        for (std::int32_t n = 1; n <= kTapes; ++n) {
            tape(n, "Fita " + std::to_string(n));
        }
        on(DataKind::Tapes, "Duração").form.conteudo.txtConteudo = "90";
    }
    void TearDown() override { binaryfile::setFaultHook({}); }

    // Tapes whose running time was filled in, and whether they are exactly the first `n`.
    bool firstFilled(std::int32_t n)
    {
        for (std::int32_t code = 1; code <= kTapes; ++code) {
            if ((records().load<TapeRecord>(code).Duracao == 90) != (code <= n)) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(BulkEditTest, ACancelKeepsTheRecordsDoneAndSaysHowMany)
{
    progress.cancelAfterSteps = 300;

    EXPECT_FALSE(tool.fill());

    EXPECT_TRUE(progress.cancellable);
    EXPECT_TRUE(firstFilled(300));
    EXPECT_EQ(lastMessage(),
              "Operação cancelada: 300 registro(s) alterado(s); os demais ficaram como estavam.");
}

TEST_F(BulkEditTest, AFailedBatchLeavesItsRecordsAndTheRestUntouched)
{
    // Once the first batch reached the tape file and its journal was removed, the journal can
    // no longer be written.
    bool tapesWritten = false;
    int journalSteps = 0;
    binaryfile::setFaultHook([&](const std::filesystem::path& path) {
        tapesWritten = tapesWritten || path.filename() == "DadosFit.tvl";
        const bool journal = path.filename() == "Diario.jnl";
        return tapesWritten && journal && ++journalSteps > 1 ? ENOSPC : 0;
    });
    records().readRecord(FileKind::Tapes, BulkRun::BatchSize + 50, true);

    EXPECT_FALSE(tool.fill());

    binaryfile::setFaultHook({});
    EXPECT_TRUE(firstFilled(BulkRun::BatchSize));
    EXPECT_EQ(records().tape().Duracao, 0); // the current record follows the files
    EXPECT_EQ(lastMessage(), "Não foi possível gravar o arquivo 'Diario.jnl' (disco cheio).\n"
                             "A operação foi interrompida: " +
                                 std::to_string(BulkRun::BatchSize) +
                                 " registro(s) alterado(s); os demais ficaram como estavam.");
    EXPECT_FALSE(binaryfile::exists(folder.file("Diario.jnl")));
}

} // namespace
} // namespace tavolim::core
