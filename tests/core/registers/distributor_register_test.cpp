#include "core/registers/DistributorRegister.h"

#include "core/ports/Dialogs.h"
#include "core/registers/ProductRegister.h"
#include "core/registers/StoreDataForm.h"
#include "core/registers/Undelete.h"
#include "core/store/BinaryFile.h"
#include "core/store/DistributorRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/StoreRecord.h"
#include "core/store/TapeRecord.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class DistributorRegisterTest : public ::testing::Test, protected test::InstalledStore {
protected:
    void addDistributor(DistributorRegister& reg, const std::string& name)
    {
        dialogs.texts = {name};
        ASSERT_TRUE(reg.addDistributor());
        ASSERT_TRUE(reg.save());
        dialogs.messages.clear();
    }
};

TEST_F(DistributorRegisterTest, DeletingADistributorClearsItsTapesButNotItsProducts)
{
    DistributorRegister reg(state);
    for (const char* name : {"Vídeo Sul", "Alfa Filmes", "Cine Norte"}) {
        addDistributor(reg, name);
    }
    auto& records = state.records();
    const std::int16_t tapeDistributors[] = {2, 1, 2, 3, 0};
    for (std::int16_t i = 0; i < 5; ++i) {
        TapeRecord tape;
        tape.Nome = "Fita";
        tape.Distribuidor = tapeDistributors[i];
        ASSERT_TRUE(records.save(i + 1, tape));
    }
    ProductRecord product;
    product.Descricao = "Pipoca";
    product.Distribuidor = 2;
    ASSERT_TRUE(records.save(1, product));
    const auto tapesBefore = binaryfile::readAll(folder.file("DadosFit.tvl"));
    reg.showPosition(2);
    dialogs.answers = {msg::Answer::Yes};

    ASSERT_TRUE(reg.deleteDistributor());

    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"Deseja excluir todos os dados de 'Alfa Filmes' ?"});
    EXPECT_EQ(progress.captions, std::vector<std::string>{"Atualizando Fitas"});
    auto expected = tapesBefore;
    for (std::size_t at : {0u, 2u}) {
        expected[at * TapeRecord::Size + 72] = 0;
    }
    EXPECT_EQ(binaryfile::readAll(folder.file("DadosFit.tvl")), expected);
    EXPECT_EQ(records.load<ProductRecord>(1).Distribuidor, 2);
    EXPECT_EQ(reg.form.NomeEmpresa, "Registro Excluído");
    EXPECT_EQ(distributorList(records),
              (std::vector<std::string>{"Vídeo Sul", "#Registro Excluído#", "Cine Norte"}));

    const auto restored = undeleteRecords(records, FileKind::Distributors, dialogs,
                                          [](const std::vector<UndeleteOffer>& offers) {
                                              EXPECT_EQ(offers.size(), 1u);
                                              return std::vector<std::int32_t>{offers[0].number};
                                          });
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(dialogs.shownTexts().back(), "Registro de 'Alfa Filmes' recuperado com sucesso !");
    EXPECT_EQ(distributorList(records)[1], "Alfa Filmes");
}

TEST_F(DistributorRegisterTest, ADistributorKeepsWhatIsTypedAndRefusesATakenName)
{
    state.options().VerifNomeECod = true;
    DistributorRegister reg(state);
    addDistributor(reg, "Vídeo Sul");
    addDistributor(reg, "Alfa Filmes");
    reg.form.Contato = "Marta";
    reg.form.CEP = "90050-170";
    reg.form.Telefone = "(51) 3333-4444";
    reg.form.SitioInternet = "alfa.com.br";
    reg.form.Observacoes = "Entrega às terças";
    reg.markDirty();
    ASSERT_TRUE(reg.save());

    reg.showPosition(2);
    const DistributorForm shown = reg.form;
    reg.form.NomeEmpresa = "vídeo sul";
    reg.markDirty();
    const bool saved = reg.save();

    EXPECT_EQ(shown.NumDist, "002");
    EXPECT_EQ(shown.CEP, "90050-170");
    EXPECT_EQ(shown.SitioInternet, "alfa.com.br");
    EXPECT_EQ(shown.Observacoes, "Entrega às terças");
    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O nome do distribuidor já existe.\nN° de registro : 1"});
    EXPECT_EQ(state.records().load<DistributorRecord>(2).CEP, 90050170);
}

TEST_F(DistributorRegisterTest, TheStoreDataGoToRecordOneAndTheCaptionAtOnce)
{
    StoreDataForm form = loadStoreData(state);
    EXPECT_EQ(form.NomeFantasia, "Minha Locadora");
    form.NomeFantasia = "Vídeo Estrela";
    form.CEP = "01310-100";
    form.Estado = "SP";
    form.Observacoes = "Aberta até as 22h";

    ASSERT_TRUE(saveStoreData(state, form));

    EXPECT_EQ(mainWindowCaption(state.records().store()), "Tavolim - Vídeo Estrela");
    const auto stored = state.records().load<StoreRecord>(1);
    EXPECT_EQ(stored.CEP, 1310100);
    EXPECT_EQ(stored.Estado, "SP");
    EXPECT_EQ(loadStoreData(state), form);
    EXPECT_EQ(binaryfile::size(folder.file("DadosLoc.tvl")), StoreRecord::Size);
}

} // namespace
} // namespace tavolim::core
