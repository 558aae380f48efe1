#include "core/counter/Reservations.h"

#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <tuple>
#include <vector>

namespace tavolim::core {
namespace {

using namespace std::chrono;

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
        {"none expired", {{1, true, 20052026}, {2, true, 21052026}}, 0,
         {20052026, 21052026, 0, 0, 0}},
        {"dated today stays", {{1, true, 19052026}, {2, true, 20052026}}, 1,
         {20052026, 0, 0, 0, 0}},
        {"two expired around a kept one",
         {{1, true, 1052026}, {2, false, 25052026}, {3, true, 18052026}}, 2,
         {25052026, 0, 0, 0, 0}},
        {"all five expired", std::vector<Slot>(5, {4, true, 1012026}), 5, {0, 0, 0, 0, 0}},
        {"a date that is not a date", {{1, true, 0}, {2, true, 31022026}, {3, true, 22052026}},
         2, {22052026, 0, 0, 0, 0}},
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

    const bool removed = desReserva(tape, 7, true);
    const bool absent = desReserva(tape, 9, true);

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

    const int written = retiraReservas(records, year{2026} / May / 20);
    const TapeRecord inMemory = records.tape();
    records.readRecord(FileKind::Tapes, 2, true);

    EXPECT_EQ(written, 1);
    EXPECT_EQ(records.tape().ReservaData[0], 30052026);
    EXPECT_EQ(std::tuple(records.tape().NumReservas, inMemory.NumReservas), std::tuple(1, 1));
}

} // namespace
} // namespace tavolim::core
