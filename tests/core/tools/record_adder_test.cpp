#include "core/reports/ReportsFixture.h"
#include "core/store/BinaryFile.h"
#include "core/tools/RecordAdder.h"

#include <vector>

namespace tavolim::core {
namespace {

class RecordAdderTest : public test::ReportsTest {
protected:
    // A tape file of `count` records, as the limit tests need.
    void tapesOnFile(std::int32_t count)
    {
        const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(count) * TapeRecord::Size);
        ASSERT_TRUE(binaryfile::writeAt(records().filePath(FileKind::Tapes), 0, zeros));
    }

    RecordAdder adder{state};
};

TEST_F(RecordAdderTest, RefusesNothingTooManyAtOnceAndBeyondTheLimitWritingNothing)
{
    tapesOnFile(31990);
    adder.cboTipo = DataKind::Tapes;
    const auto before = binaryfile::size(records().filePath(FileKind::Tapes));
    struct Case {
        const char* typed;
        std::string_view message;
    };
    for (const Case& c : {Case{"0", kAddNone}, Case{"", kAddNone}, Case{"-3", kAddNone},
                          Case{"5001", kAddTooMany}, Case{"11", kAddBeyondLimit}}) {
        SCOPED_TRACE(c.typed);
        dialogs.messages.clear();
        adder.txtQuantidade = c.typed;

        EXPECT_FALSE(adder.add().has_value());

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{std::string(c.message)});
    }
    EXPECT_EQ(binaryfile::size(records().filePath(FileKind::Tapes)), before);
    EXPECT_EQ(adder.countCaption(), "Existem 31990 Registros de Fitas");
}

TEST_F(RecordAdderTest, AppendsTemporaryRecordsCarryingTheirCodesUpToTheLimit)
{
    tapesOnFile(31990);
    adder.cboTipo = DataKind::Tapes;
    adder.txtQuantidade = "10";

    const auto result = adder.add();

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->changed, 10);
    EXPECT_EQ(records().recordCount(FileKind::Tapes), 32000);
    for (const std::int32_t n : {31991, 32000}) {
        const auto t = records().load<TapeRecord>(n);
        EXPECT_EQ(t.Codigo, n);
        EXPECT_EQ(t.Nome, "Temporário");
        EXPECT_EQ(t.Selo, 0);
        EXPECT_EQ(t.DataCompra, 0);
    }
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{
                  "10 registro(s) foram adicionado(s) ao banco de dados selecionado."});
}

TEST_F(RecordAdderTest, EachKindGetsItsNameFieldAndACancelSaysHowManyWereAdded)
{
    holder(1, "Ana", "Souza");
    adder.txtQuantidade = "2";
    for (const auto kind : {DataKind::Clients, DataKind::Products, DataKind::Distributors}) {
        adder.cboTipo = kind;
        ASSERT_TRUE(adder.add().has_value());
    }
    EXPECT_EQ(records().load<ClientRecord>(3).PrimNome, "Temporário");
    EXPECT_EQ(records().load<ClientRecord>(3).Codigo, 3);
    EXPECT_EQ(records().load<ProductRecord>(2).Descricao, "Temporário");
    EXPECT_EQ(records().load<DistributorRecord>(2).Nome, "Temporário");
    EXPECT_EQ(adder.countCaption(), "Existem 2 Registros de Distribuidores");

    progress.cancelAfterSteps = 3;
    adder.cboTipo = DataKind::Tapes;
    adder.txtQuantidade = "50";
    const auto result = adder.add();

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->end, RunEnd::Cancelled);
    EXPECT_EQ(records().recordCount(FileKind::Tapes), 3);
    EXPECT_EQ(dialogs.shownTexts().back(),
              "Operação cancelada: 3 registro(s) foram adicionado(s) ao banco de dados "
              "selecionado.");
}

} // namespace
} // namespace tavolim::core
