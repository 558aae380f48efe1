#include "core/registers/ProductRegister.h"

#include "core/ports/Dialogs.h"
#include "core/store/BinaryFile.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class ProductRegisterTest : public ::testing::Test, protected test::InstalledStore {
protected:
    // A product added through the prompt and saved at this price.
    void addProduct(ProductRegister& reg, const std::string& name, const std::string& price)
    {
        dialogs.texts = {name};
        ASSERT_TRUE(reg.addProduct());
        reg.form.Preco = price;
        ASSERT_TRUE(reg.save());
        dialogs.messages.clear();
    }

    std::vector<std::uint8_t> productFile() const
    {
        return binaryfile::readAll(folder.file("DadosPrd.tvl"));
    }
};

TEST_F(ProductRegisterTest, APriceOfZeroIsSavedOnlyWhenTheOperatorSaysSo)
{
    ProductRegister reg(state);
    addProduct(reg, "Pipoca", "3,50");
    const auto before = productFile();
    reg.form.Preco = "0,00";
    reg.form.Estoque = "12,5";
    reg.markDirty();
    dialogs.answers = {msg::Answer::No};

    EXPECT_FALSE(reg.save());

    EXPECT_EQ(
        dialogs.shownTexts(),
        std::vector<std::string>{"O preço do produto está nulo.\nDeseja salvar mesmo assim ?"});
    EXPECT_EQ(productFile(), before);
    EXPECT_TRUE(reg.isDirty());
    dialogs.answers = {msg::Answer::Yes};
    ASSERT_TRUE(reg.save());
    const auto stored = state.records().load<ProductRecord>(1);
    EXPECT_TRUE(stored.Preco.isZero());
    EXPECT_FLOAT_EQ(stored.Estoque, 12.5f);
}

TEST_F(ProductRegisterTest, EveryFieldTypedReachesItsRecordAndComesBack)
{
    DistributorRecord distributor;
    distributor.Nome = "Vídeo Sul";
    ASSERT_TRUE(state.records().save(1, distributor));
    ProductRegister reg(state);
    dialogs.texts = {"Chocolate ao leite"};
    ASSERT_TRUE(reg.addProduct());
    reg.form.CodigoB = "7891000100103";
    reg.form.Estoque = "-2";
    reg.form.Unidade = "UN";
    reg.form.Icms = "18";
    reg.form.Preco = "4.5";
    reg.form.ValorCompra = "2,10";
    reg.form.Distribuidor = 1;
    reg.form.Observacoes = "Fornecido às sextas";

    ASSERT_TRUE(reg.save());
    reg.showPosition(1);

    EXPECT_EQ(reg.form, (ProductForm{"000001", "Chocolate ao leite", "7891000100103", "-2", "UN",
                                     "18", "4,50", "2,10", 1, "Fornecido às sextas"}));
    EXPECT_EQ(reg.distributors(), std::vector<std::string>{"Vídeo Sul"});
}

TEST_F(ProductRegisterTest, NumbersThatAreNotNumbersOrDoNotFitAreRefused)
{
    ProductRegister reg(state);
    addProduct(reg, "Pipoca", "3,50");
    const auto before = productFile();
    const struct {
        std::string ProductForm::*box;
        const char* typed;
        const char* refusal;
    } cases[] = {
        {&ProductForm::Preco, "três", "O valor digitado não é um número."},
        {&ProductForm::Preco, "-1", "O valor não pode ser negativo."},
        {&ProductForm::ValorCompra, "123456", "O valor não pode passar de R$ 99.999,99."},
        {&ProductForm::Icms, "101", "O valor não pode passar de 100,00."},
        {&ProductForm::Estoque, "1e9", "O valor digitado não é um número."},
    };
    for (const auto& c : cases) {
        reg.showPosition(1);
        reg.form.*c.box = c.typed;
        reg.markDirty();
        dialogs.messages.clear();

        EXPECT_FALSE(reg.save()) << c.typed;

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(productFile(), before);
    }
}

TEST_F(ProductRegisterTest, DuplicatesAreRefusedWhenNamesAndCodesAreChecked)
{
    state.options().VerifNomeECod = true;
    ProductRegister reg(state);
    addProduct(reg, "Pipoca", "3,50");
    reg.form.CodigoB = "7891000100103";
    reg.markDirty();
    ASSERT_TRUE(reg.save());
    addProduct(reg, "Chocolate", "2,00");

    reg.form.Descricao = "PIPOCA";
    reg.markDirty();
    EXPECT_FALSE(reg.save());
    reg.form.Descricao = "Chocolate";
    reg.form.CodigoB = "7891000100103";
    EXPECT_FALSE(reg.save());
    reg.form.CodigoB = "12345";

    EXPECT_EQ(reg.checkBarcode(), BarcodeVerdict::BadShape);
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{
                  "O nome do produto já existe.\nN° de registro : 1",
                  "O código de barras já existe e pertence ao produto 'Pipoca'.\nN° de "
                  "registro : 1",
                  "O código deve possuir entre 6 e 13 dígitos numéricos ou o primeiro dígito "
                  "deve ser uma letra."}));
}

TEST_F(ProductRegisterTest, ADeletedProductShowsAsDeletedAndComesBackWithANewName)
{
    ProductRegister reg(state);
    addProduct(reg, "Pipoca", "3,50");
    dialogs.answers = {msg::Answer::Yes};

    ASSERT_TRUE(reg.deleteProduct());

    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Deseja excluir todos os dados do Produto 'Pipoca' ?"});
    EXPECT_EQ(reg.form.Descricao, "Registro Excluído");
    EXPECT_EQ(state.records().deletedNumbers(FileKind::Products), std::vector<std::int32_t>{1});
    reg.form.Descricao = "Pipoca doce";
    reg.form.Preco = "4,00";
    reg.markDirty();
    ASSERT_TRUE(reg.save());
    EXPECT_EQ(state.records().load<ProductRecord>(1).Descricao, "Pipoca doce");
    EXPECT_TRUE(state.records().deletedNumbers(FileKind::Products).empty());
}

} // namespace
} // namespace tavolim::core
