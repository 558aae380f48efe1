#include "core/counter/ReservationList.h"

#include "core/counter/CounterFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;

// The working day is 5 December 2026.
class ReservationListTest : public test::CounterTest {
protected:
    std::vector<std::int32_t> datesOnFile()
    {
        const auto& t = tape(1);
        return {t.ReservaData.begin(), t.ReservaData.begin() + t.NumReservas};
    }
};

TEST_F(ReservationListTest, NewReservationsKeepDateOrderAndTheThreeRefusals)
{
    struct Case {
        const char* name;
        std::vector<std::int32_t> before;
        year_month_day day;
        std::vector<std::int32_t> after;
        const char* refusal;
    };
    const std::vector<Case> cases = {
        {"between two", {10122026, 20122026}, 2026y / 12 / 15,
         {10122026, 15122026, 20122026}, nullptr},
        {"today, first", {10122026}, 2026y / 12 / 5, {5122026, 10122026}, nullptr},
        {"last", {10122026}, 2027y / 1 / 2, {10122026, 2012027}, nullptr},
        {"yesterday", {}, 2026y / 12 / 4, {}, "A data é anterior à hoje."},
        {"same day", {10122026}, 2026y / 12 / 10, {10122026},
         "A fita já está reservada para este dia."},
        {"five already", std::vector<std::int32_t>(5, 10122026), 2026y / 12 / 11,
         std::vector<std::int32_t>(5, 10122026),
         "A Fita está locada no momento e já está reservada para cinco clientes."},
    };

    for (const auto& c : cases) {
        writeReservedTape(c.before);
        dialogs.messages.clear();

        const bool placed = placeReservation(state, 1, {7, false}, c.day);

        EXPECT_EQ(placed, c.refusal == nullptr) << c.name;
        EXPECT_EQ(datesOnFile(), c.after) << c.name;
        if (c.refusal) {
            EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.refusal}) << c.name;
        }
    }
}

TEST_F(ReservationListTest, CancellingAnEntryAsksAndWritesAtOnce)
{
    writeClient(1, "Ana", 0, 0);
    writeClient(2, "Caio", 0, 0);
    writeReservedTape({6122026, 7122026});
    ReservationList list(state, 1);
    dialogs.answers = {msg::Answer::No, msg::Answer::Yes};

    EXPECT_FALSE(list.cancelEntry(0));
    EXPECT_TRUE(list.cancelEntry(0));

    EXPECT_EQ(dialogs.messages.at(1).text, "Deseja anular a reserva para Ana Silva ?");
    EXPECT_EQ(dialogs.messages.at(1).flags, 36);
    ASSERT_EQ(list.entries().size(), 1U);
    EXPECT_EQ(list.entries()[0].name, "Caio Silva");
    EXPECT_EQ(datesOnFile(), std::vector<std::int32_t>{7122026});
}

TEST_F(ReservationListTest, ReserveButtonGoesByTheTapesReservations)
{
    writeReservedTape({});
    writeReservedTape({6122026});
    records().tape().Nome = "#Apagada";
    ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 2));
    records().tape().Nome = "Fita";
    records().tape().NumReservas = 0;
    ASSERT_TRUE(records().writeRecord(FileKind::Tapes, 3));

    EXPECT_EQ(startReservation(state, std::nullopt), ReserveStep::Nothing);
    EXPECT_EQ(startReservation(state, 1), ReserveStep::ShowList);
    EXPECT_EQ(startReservation(state, 3), ReserveStep::ReserveAtOnce);
    EXPECT_EQ(startReservation(state, 2), ReserveStep::Nothing);
    EXPECT_EQ(dialogs.shownTexts(),
              std::vector<std::string>{"O registro desta fita foi excluído."});
    EXPECT_TRUE(holdsReservation(records().tape(), {1, true}));
    EXPECT_FALSE(holdsReservation(records().tape(), {1, false}));
    EXPECT_EQ(reservationDay(ReserveDay::Amanha, 2026y / 12 / 31), 2027y / 1 / 1);
}

TEST(ReservationList, DialogKeys)
{
    using C = ReservationList::Choice;
    for (const auto& [key, choice] : std::vector<std::pair<int, std::optional<C>>>{
             {'l', C::Locar}, {'R', C::Reservar}, {'c', C::Cancelar}, {27, C::Cancelar},
             {'x', std::nullopt}}) {
        EXPECT_EQ(ReservationList::choiceForKey(key), choice) << key;
    }
}

} // namespace
} // namespace tavolim::core
