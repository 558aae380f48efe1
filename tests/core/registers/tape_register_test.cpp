#include "core/registers/TapeRegister.h"

#include "core/ports/Dialogs.h"
#include "core/registers/BarcodeCheck.h"
#include "core/registers/TapeCirculation.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

class TapeRegisterTest : public ::testing::Test, protected test::InstalledStore {
protected:
    // A tape with the installation's label and media, saved.
    void addTape(TapeRegister& reg, const std::string& title, const std::string& barcode = {})
    {
        dialogs.texts = {title};
        ASSERT_TRUE(reg.addTape());
        reg.form.Selo = 1;
        reg.form.Midia = 1;
        reg.form.CodigoB = barcode;
        ASSERT_TRUE(reg.save());
        dialogs.messages.clear();
    }

    TapeRecord stored(int n)
    {
        state.records().readRecord(FileKind::Tapes, n, true);
        return state.records().tape();
    }
};

TEST(BarcodeCheck, AcceptsSixToThirteenDigitsOrALeadingLetter)
{
    const struct {
        const char* code;
        bool accepted;
    } cases[] = {
        {"", true},    {"12345", false},          {"123456", true},  {"X1", true},
        {"z", true},   {"12345678901234", false}, {"12345a", false}, {"@1234567", false},
        {"{1", false}, {"12 3456", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(barcodeShapeAccepted(c.code), c.accepted) << '"' << c.code << '"';
    }
}

TEST(TapeCirculation, DaysNextToTheWorkingDayAreNamed)
{
    using namespace std::chrono;
    const sys_days today = year{2026} / 12 / 5;
    const struct {
        std::int32_t date;
        const char* shown;
    } cases[] = {{4122026, "Ontem"}, {6122026, "Amanhã"}, {7122026, "07/12/2026"}, {0, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(circulationDay(c.date, today), c.shown) << c.date;
    }
}

TEST_F(TapeRegisterTest, ATapeNeedsALabelAndAMedia)
{
    const struct {
        int selo;
        int midia;
        const char* refusal;
    } cases[] = {
        {0, 1, "A fita deve estar ligada a algum selo."},
        {1, 0, "A fita deve estar ligada a alguma mídia."},
    };
    for (const auto& c : cases) {
        TapeRegister reg(state);
        dialogs.texts = {"Matrix"};
        ASSERT_TRUE(reg.addTape());
        reg.form.Selo = c.selo;
        reg.form.Midia = c.midia;
        dialogs.messages.clear();

        EXPECT_FALSE(reg.save());

        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(state.records().recordCount(FileKind::Tapes), 0);
        EXPECT_TRUE(reg.isDirty());
    }
}

TEST_F(TapeRegisterTest, ABarcodeAnotherTapeHasIsRefused)
{
    state.options().VerifNomeECod = true;
    TapeRegister reg(state);
    addTape(reg, "Matrix", "7891234");
    addTape(reg, "Alien");

    reg.form.CodigoB = "7891234";
    const auto verdict = reg.checkBarcode();
    const bool saved = reg.save();

    EXPECT_EQ(verdict, BarcodeVerdict::Duplicate);
    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.shownTexts().back(),
              "O código de barras já existe e pertence à fita 'Matrix'.\nN° de registro : 1");
    EXPECT_EQ(stored(2).CodigoBarras, "");
    reg.form.CodigoB = "12345";
    EXPECT_EQ(reg.checkBarcode(), BarcodeVerdict::BadShape);
    reg.showPosition(1);
    EXPECT_EQ(reg.checkBarcode(), BarcodeVerdict::Accepted);
}

TEST_F(TapeRegisterTest, ARentedTapeIsKeptUntilItComesBack)
{
    TapeRegister reg(state);
    addTape(reg, "Matrix");
    auto& records = state.records();
    records.tape().ClienteFita = 3;
    records.tape().ClienteTitular = true;
    records.tape().DataRetirada = 2122026;
    records.tape().DataBase = 2122026;
    records.tape().DiasBase = 3;
    records.writeRecord(FileKind::Tapes, 1);
    reg.showPosition(1);
    EXPECT_EQ(reg.form.DiaRetorna, "Hoje");

    EXPECT_FALSE(reg.deleteTape());
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{
                  "A fita selecionada está locada e portanto não pode ser excluída."});
    EXPECT_FALSE(records.isDeletedOnDisk(FileKind::Tapes, 1));

    records.readRecord(FileKind::Tapes, 1, true);
    records.tape().ClienteFita = 0;
    records.writeRecord(FileKind::Tapes, 1);
    dialogs.answers = {msg::Answer::Yes};
    EXPECT_TRUE(reg.deleteTape());

    EXPECT_EQ(records.deletedNumbers(FileKind::Tapes), std::vector<std::int32_t>{1});
    EXPECT_EQ(reg.form.Nome, "Registro Excluído");
}

TEST_F(TapeRegisterTest, TheCastIsKeptFromBothSides)
{
    TapeRegister reg(state);
    addTape(reg, "Alien");
    addTape(reg, "Matrix");
    auto& records = state.records();
    for (const char* name : {"Keanu Reeves", " Carrie-Anne Moss ", "KEANU REEVES"}) {
        reg.form.Ator = name;
        reg.addActor();
    }
    reg.form.Diretor = "Lana Wachowski";
    ASSERT_TRUE(reg.save());

    EXPECT_EQ(reg.form.Atores,
              (std::vector<CastLine>{{1, "Keanu Reeves"}, {2, "Carrie-Anne Moss"}}));
    EXPECT_EQ(stored(2).Diretor, 3);
    records.readRecord(FileKind::Actors, 1, true);
    EXPECT_EQ(records.actor().Fitas[0], 2);

    reg.form.Ator = "car";
    EXPECT_TRUE(reg.completeActorName({}));
    EXPECT_EQ(reg.form.Ator, "Carrie-Anne Moss");

    EXPECT_TRUE(reg.removeActor(0));
    EXPECT_EQ(stored(2).Atores[0], 2);
    records.readRecord(FileKind::Actors, 1, true);
    EXPECT_EQ(records.actor().NumFitas, 0);
    EXPECT_EQ(reg.tapesWithActor(0, {}), std::nullopt);
}

TEST_F(TapeRegisterTest, AnEleventhActorIsRefused)
{
    TapeRegister reg(state);
    addTape(reg, "Matrix");
    for (int i = 1; i <= 10; ++i) {
        reg.form.Ator = "Ator " + std::to_string(i);
        ASSERT_TRUE(reg.addActor());
    }

    reg.form.Ator = "Ator 11";
    EXPECT_FALSE(reg.addActor());

    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{"A fita atual já possui 10 atores."});
    EXPECT_EQ(state.records().recordCount(FileKind::Actors), 10);
}

TEST_F(TapeRegisterTest, ARenamedTapeMayNotTakeAnotherTapesTitle)
{
    state.options().VerifNomeECod = true;
    TapeRegister reg(state);
    addTape(reg, "Matrix");
    addTape(reg, "Alien");
    const std::vector<std::string> refusal = {"O nome da fita já existe.\nN° de registro : 1"};

    reg.form.Nome = " matrix ";
    reg.markDirty();
    EXPECT_FALSE(reg.save());
    EXPECT_EQ(dialogs.shownTexts(), refusal);
    EXPECT_EQ(stored(2).Nome, "Alien");

    // A new tape renamed after the name prompt is checked too.
    reg.form.Nome = "Alien";
    dialogs.messages.clear();
    dialogs.texts = {"Duna"};
    ASSERT_TRUE(reg.addTape());
    reg.form.Selo = 1;
    reg.form.Midia = 1;
    reg.form.Nome = "MATRIX";
    EXPECT_FALSE(reg.save());
    EXPECT_EQ(dialogs.shownTexts(), refusal);
    EXPECT_EQ(state.records().recordCount(FileKind::Tapes), 2);
}

TEST_F(TapeRegisterTest, ACancelledReservationLeavesTheOthersInOrder)
{
    TapeRegister reg(state);
    addTape(reg, "Matrix");
    auto& records = state.records();
    records.client() = {};
    records.client().PrimNome = "Ana";
    records.client().SobreNome = "Lima";
    records.writeRecord(FileKind::Clients, 1);
    TapeRecord& t = records.tape();
    t.NumReservas = 3;
    t.ReservaCliente = {1, 1, 1, 0, 0};
    t.ReservaTitular = {true, true, true, false, false};
    t.ReservaData = {6122026, 7122026, 8122026, 0, 0};
    records.writeRecord(FileKind::Tapes, 1);
    reg.showPosition(1);
    reg.form.SegNome = "ainda não salvo";
    dialogs.answers = {msg::Answer::Yes};

    EXPECT_TRUE(reg.cancelReservation(1));

    EXPECT_EQ(stored(1).ReservaData[1], 8122026);
    EXPECT_EQ(reg.form.Reservas,
              (std::vector<std::string>{"06/12/2026  Ana Lima", "08/12/2026  Ana Lima"}));
    EXPECT_EQ(reg.form.SegNome, "ainda não salvo");
}

} // namespace
} // namespace tavolim::core
