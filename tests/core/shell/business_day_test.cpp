#include "core/shell/BusinessDay.h"

#include "core/books/DailyTotalsFile.h"
#include "core/books/PositionFile.h"
#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavolim::core {
namespace {

using namespace std::chrono;

// Scripted dialogs that can run something while a message is on screen, as an operator
// changing the clock while the warning is open.
class InterruptibleDialogs final : public Dialogs {
public:
    msg::Answer message(const std::string& text, int flags, const std::string& title) override
    {
        const auto answer = inner.message(text, flags, title);
        if (whileShown) {
            std::exchange(whileShown, {})();
        }
        return answer;
    }
    std::optional<std::string> askText(const std::string& p, const std::string& t,
                                       const std::string& i) override
    {
        return inner.askText(p, t, i);
    }
    std::optional<std::string> askValue(const std::string& p, const std::string& t,
                                        const std::string& i) override
    {
        return inner.askValue(p, t, i);
    }
    std::optional<year_month_day> askDate(const std::string& p, const std::string& t,
                                          std::optional<year_month_day> i) override
    {
        return inner.askDate(p, t, i);
    }
    int choose(const std::string& text, const std::string& title, const std::string& b1,
               const std::string& b2, const std::string& b3) override
    {
        return inner.choose(text, title, b1, b2, b3);
    }

    test::ScriptedDialogs inner;
    std::function<void()> whileShown;
};

const std::string kDateChanged =
    "O seu sistema será reiniciado com a nova data.\n\nCaso você tenha mudado-a "
    "propositalmente para realizar testes com intenção de regredi-la posteriormente desfaça "
    "a alteração agora.\nA data não pode ser regredida por correr risco potencial de gerar "
    "danos nos bancos de dados.";

class BusinessDayTest : public ::testing::Test {
protected:
    BusinessDayTest()
    {
        createNewInstallation(folder.path(), year{2026} / April / 6);
        state.loadOptions();
        startDay(state, false);
        dialogs.inner.messages.clear();
        progress.waits.clear();
    }

    std::uint64_t sizeOf(const char* file) const { return binaryfile::size(folder.file(file)); }

    test::TempDataFolder folder;
    InterruptibleDialogs dialogs;
    test::FixedClock clock{year{2026} / April / 6};
    test::MemorySettings settings;
    test::RecordingPrinter printer;
    test::RecordingProgress progress;
    test::RecordingLauncher launcher;
    AppState state{folder.path(), Ports{dialogs, clock, settings, printer, progress, launcher}};
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
        {"clock put back while warned", apr7, apr6, false,
         {{kDateChanged, 48}, {"A reinicialização foi cancelada.", 0}}, apr6},
        {"next day", apr7, std::nullopt, true, {{kDateChanged, 48}}, apr7},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.inner.messages.clear();
        clock.date = c.clockDate;
        if (c.clockPutBackTo) {
            dialogs.whileShown = [&] { clock.date = *c.clockPutBackTo; };
        }
        state.CaixaDia.NumDevolucoes = 4;
        const auto caixaSize = sizeOf("Caixa.tvl");

        const bool restarted = checkDateChange(state);

        EXPECT_EQ(restarted, c.restarted);
        ASSERT_EQ(dialogs.inner.messages.size(), c.messages.size());
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(dialogs.inner.messages[i].text, c.messages[i].first);
            EXPECT_EQ(dialogs.inner.messages[i].flags, c.messages[i].second);
            EXPECT_EQ(dialogs.inner.messages[i].title, "A data mudou");
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
    dialogs.inner.messages.clear();
    std::vector<std::uint64_t> sizes;
    const char* files[] = {"Caixa.tvl", "PosLivFt.tvl", "PosFtDev.tvl", "PosLivCx.tvl"};
    for (const char* f : files) {
        sizes.push_back(sizeOf(f));
    }

    clock.date = year{2026} / April / 7;
    startDay(state, true);

    ASSERT_EQ(dialogs.inner.messages.size(), 1u);
    EXPECT_EQ(dialogs.inner.messages[0].text,
              "A data do sistema regrediu.\nSe você continuar e efetuar operações irá afetar os "
              "bancos de dados. Verifique se a data está correta.");
    EXPECT_EQ(dialogs.inner.messages[0].flags, 16);
    EXPECT_EQ(dialogs.inner.messages[0].title, "Erro");
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
