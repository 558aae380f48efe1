#include "core/counter/ReservationList.h"

#include "core/counter/CounterFixture.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TapeReservations.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
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
        {"between two",
         {10122026, 20122026},
         2026y / 12 / 15,
         {10122026, 15122026, 20122026},
         nullptr},
        {"today, first", {10122026}, 2026y / 12 / 5, {5122026, 10122026}, nullptr},
        {"last", {10122026}, 2027y / 1 / 2, {10122026, 2012027}, nullptr},
        {"yesterday", {}, 2026y / 12 / 4, {}, "A data é anterior à hoje."},
        {"same day",
         {10122026},
         2026y / 12 / 10,
         {10122026},
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
    EXPECT_TRUE(holdsReservation(records().load<TapeRecord>(2), {1, true}));
    EXPECT_FALSE(holdsReservation(records().load<TapeRecord>(2), {1, false}));
    EXPECT_EQ(reservationDay(ReserveDay::Amanha, 2026y / 12 / 31), 2027y / 1 / 1);
}

TEST(ReservationList, DialogKeys)
{
    using C = ReservationList::Choice;
    for (const auto& [key, choice] :
         std::vector<std::pair<int, std::optional<C>>>{{'l', C::Locar},
                                                       {'R', C::Reservar},
                                                       {'c', C::Cancelar},
                                                       {27, C::Cancelar},
                                                       {'x', std::nullopt}}) {
        EXPECT_EQ(ReservationList::choiceForKey(key), choice) << key;
    }
}

struct Slot {
    std::int16_t person;
    bool titular;
    std::int32_t date;
};

TapeRecord tapeWith(const std::vector<Slot>& slots)
{
    TapeRecord t;
    t.Nome = "Fita";
    t.NumReservas = static_cast<std::int16_t>(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        t.ReservaCliente[i] = slots[i].person;
        t.ReservaTitular[i] = slots[i].titular;
        t.ReservaData[i] = slots[i].date;
    }
    return t;
}

std::vector<std::int32_t> datesOf(const TapeRecord& t)
{
    return {t.ReservaData.begin(), t.ReservaData.end()};
}

TEST(Reservations, ExpiredOnesGoAndTheRestMoveUpInOrder)
{
    struct Case {
        const char* name;
        std::vector<Slot> slots;
        int removed;
        std::vector<std::int32_t> datesAfter;
    };
    const std::vector<Case> cases = {
        {"none expired",
         {{1, true, 20052026}, {2, true, 21052026}},
         0,
         {20052026, 21052026, 0, 0, 0}},
        {"dated today stays",
         {{1, true, 19052026}, {2, true, 20052026}},
         1,
         {20052026, 0, 0, 0, 0}},
        {"two expired around a kept one",
         {{1, true, 1052026}, {2, false, 25052026}, {3, true, 18052026}},
         2,
         {25052026, 0, 0, 0, 0}},
        {"all five expired", std::vector<Slot>(5, {4, true, 1012026}), 5, {0, 0, 0, 0, 0}},
        {"a date that is not a date",
         {{1, true, 0}, {2, true, 31022026}, {3, true, 22052026}},
         2,
         {22052026, 0, 0, 0, 0}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto tape = tapeWith(c.slots);

        const int removed = removeExpiredReservations(tape, year{2026} / May / 20);

        EXPECT_EQ(removed, c.removed);
        EXPECT_EQ(tape.NumReservas, static_cast<int>(c.slots.size()) - c.removed);
        EXPECT_EQ(datesOf(tape), c.datesAfter);
    }
}

TEST(Reservations, DesReservaRemovesOnlyThePersonsFirstReservation)
{
    // Client 7 and dependent 7 are different persons.
    auto tape = tapeWith({{7, false, 1}, {7, true, 2}, {8, true, 3}, {7, true, 4}});

    const bool removed = removeFirstReservationOf(tape, {7, true});
    const bool absent = removeFirstReservationOf(tape, {9, true});

    EXPECT_TRUE(removed);
    EXPECT_FALSE(absent);
    EXPECT_EQ(tape.NumReservas, 3);
    EXPECT_EQ(datesOf(tape), (std::vector<std::int32_t>{1, 3, 4, 0, 0}));
    EXPECT_EQ(tape.ReservaCliente[3], 0); // the freed slot is cleared
}

TEST(Reservations, RetiraReservasWritesBackOnlyTapesThatLostOne)
{
    test::TempDataFolder folder;
    RecordStore records(folder.path());
    const std::vector<std::vector<Slot>> tapes = {
        {},
        {{1, true, 10052026}, {2, true, 30052026}},
        {{3, true, 30052026}},
    };
    for (std::size_t i = 0; i < tapes.size(); ++i) {
        records.tape() = tapeWith(tapes[i]);
        records.writeRecord(FileKind::Tapes, static_cast<int>(i + 1));
    }
    records.readRecord(FileKind::Tapes, 2, true); // a window holds tape 2

    const int written = removeExpiredReservationsFromTapes(records, year{2026} / May / 20);
    const TapeRecord inMemory = records.tape();
    records.readRecord(FileKind::Tapes, 2, true);

    EXPECT_EQ(written, 1);
    EXPECT_EQ(records.tape().ReservaData[0], 30052026);
    EXPECT_EQ(std::tuple(records.tape().NumReservas, inMemory.NumReservas), std::tuple(1, 1));
}

} // namespace
} // namespace tavolim::core
