#include "core/day/BusinessDay.h"

#include "core/books/DailyTotalsFile.h"
#include "core/books/PositionFile.h"
#include "core/store/BinaryFile.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

using namespace std::chrono;

const std::string kDateChanged =
    "O seu sistema será reiniciado com a nova data.\n\nCaso você tenha mudado-a "
    "propositalmente para realizar testes com intenção de regredi-la posteriormente desfaça "
    "a alteração agora.\nA data não pode ser regredida por correr risco potencial de gerar "
    "danos nos bancos de dados.";

class BusinessDayTest : public ::testing::Test, protected test::InstalledStore {
protected:
    BusinessDayTest() : InstalledStore(year{2026} / April / 6)
    {
        startDay(state, false);
        dialogs.messages.clear();
        progress.waits.clear();
    }

    std::uint64_t sizeOf(const char* file) const { return binaryfile::size(folder.file(file)); }
};

TEST_F(BusinessDayTest, CheckDateChangeRestartsOnlyWhenTheCalendarMovedOn)
{
    struct Case {
        const char* name;
        year_month_day clockDate;
        std::optional<year_month_day> clockPutBackTo;
        bool restarted;
        std::vector<std::pair<std::string, int>> messages;
        year_month_day dataDia;
    };
    const auto apr6 = year{2026} / April / 6;
    const auto apr7 = year{2026} / April / 7;
    const std::vector<Case> cases = {
        {"same day", apr6, std::nullopt, false, {}, apr6},
        {"clock put back while warned",
         apr7,
         apr6,
         false,
         {{kDateChanged, 48}, {"A reinicialização foi cancelada.", 0}},
         apr6},
        {"next day", apr7, std::nullopt, true, {{kDateChanged, 48}}, apr7},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        clock.date = c.clockDate;
        if (c.clockPutBackTo) {
            dialogs.whileShown = [&] { clock.date = *c.clockPutBackTo; };
        }
        state.CaixaDia.NumDevolucoes = 4;
        const auto caixaSize = sizeOf("Caixa.tvl");

        const bool restarted = checkDateChange(state);

        EXPECT_EQ(restarted, c.restarted);
        ASSERT_EQ(dialogs.messages.size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(dialogs.messages[i].text, c.messages[i].first);
            EXPECT_EQ(dialogs.messages[i].flags, c.messages[i].second);
            EXPECT_EQ(dialogs.messages[i].title, "A data mudou");
        }
        EXPECT_EQ(state.DataDia, c.dataDia);
        EXPECT_EQ(sizeOf("Caixa.tvl") > caixaSize, c.restarted);
        EXPECT_EQ(state.CaixaDia.NumDevolucoes, c.restarted ? 0 : 4);
    }
    // The old day's totals were saved under the old day before the restart.
    EXPECT_EQ(DailyTotalsFile(folder.path()).read(year{2026} / April / 6)->NumDevolucoes, 4);
}

TEST_F(BusinessDayTest, AClockBehindTheBooksWarnsOnceAndWritesNothing)
{
    clock.date = year{2026} / April / 8;
    startDay(state, true);
    dialogs.messages.clear();
    std::vector<std::uint64_t> sizes;
    const char* files[] = {"Caixa.tvl", "PosLivFt.tvl", "PosFtDev.tvl", "PosLivCx.tvl"};
    for (const char* f : files) {
        sizes.push_back(sizeOf(f));
    }

    clock.date = year{2026} / April / 7;
    startDay(state, true);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "A data do sistema regrediu.\nSe você continuar e efetuar operações irá afetar os "
              "bancos de dados. Verifique se a data está correta.");
    EXPECT_EQ(dialogs.messages[0].flags, 16);
    EXPECT_EQ(dialogs.messages[0].title, "Erro");
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(sizeOf(files[i]), sizes[i]) << files[i];
    }
}

TEST_F(BusinessDayTest, StartingTheDayRunsItsStepsInOrder)
{
    std::vector<std::string> steps;
    state.dayHooks.openHolidayEditor = [&](AppState& s) {
        steps.push_back("holidays, CaixaDia " + std::to_string(s.CaixaDia.NumVendas));
    };
    state.dayHooks.refreshMenus = [&] { steps.push_back("menus"); };
    auto& records = state.records();
    records.tape().Nome = "Tubarão";
    records.tape().NumReservas = 1;
    records.tape().ReservaCliente[0] = 2;
    records.tape().ReservaData[0] = 6042026;
    records.writeRecord(FileKind::Tapes, 1);
    records.rules().SinopsesDesperdicio = 51;
    records.rules().MemosDesperdicio = 50;
    clock.date = year{2026} / April / 9;

    startDay(state, true);
    records.readRecord(FileKind::GeneralRules, 1, true);
    records.readRecord(FileKind::Tapes, 1, true);

    EXPECT_EQ(steps, (std::vector<std::string>{"holidays, CaixaDia 0", "menus"}));
    EXPECT_EQ(progress.waits, (std::vector<std::string>{"Removendo Reservas Antigas...",
                                                        "Rearranjando Arquivo de Sinopses..."}));
    EXPECT_EQ(records.tape().NumReservas, 0);
    EXPECT_EQ(records.rules().SinopsesDesperdicio, 0);
    EXPECT_EQ(records.rules().MemosDesperdicio, 50);
    EXPECT_EQ(PositionFile(folder.path(), Book::Rentals).lastDayHeld(), clock.date);
}

} // namespace
} // namespace tavolim::core
