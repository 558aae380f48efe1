#include "core/books/Forgetting.h"
#include "core/books/Histories.h"
#include "core/books/RecordCleanUp.h"
#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"

#include "BookFixture.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

class ForgettingTest : public booktest::BookFixture {
protected:
    ForgettingTest()
    {
        state.options().GravHistFita = true;
        // Client 3 and dependent 3 (of client 1) share a code; only the flag tells them apart.
        rentAs(3, -1, {10, 11});
        rentAs(1, 3, {11, 12});
        rentAs(1, -1, {10});
    }

    void rentAs(std::int16_t client, std::int16_t dependent, std::vector<std::int16_t> tapes)
    {
        std::int32_t number = 0;
        std::vector<RentedTape> rented;
        for (const auto t : tapes) {
            rented.push_back({t, Money::fromCents(200)});
        }
        appendRentals(state, rented, client, dependent, number);
        history.push_back(number);
    }

    std::vector<std::int16_t> column(std::int16_t TapeBookRecord::*field) const
    {
        std::vector<std::int16_t> out;
        for (const auto& r : readAll<TapeBookRecord>("LivroFts.tvl")) {
            out.push_back(r.*field);
        }
        return out;
    }

    std::vector<std::int32_t> history; // history number of each rentAs, in order
};

TEST_F(ForgettingTest, APersonIsForgottenOnlyInTheirOwnRentals)
{
    struct Case {
        const char* name;
        std::int16_t client;
        std::int16_t dependent;
        std::vector<std::int16_t> clientsAfter;
    };
    const std::vector<Case> cases = {
        {"client 3", 3, -1, {0, 0, 1, 1, 1}},
        {"dependent 3 of client 1", 1, 3, {3, 3, 0, 0, 1}},
        {"client 1 himself", 1, -1, {3, 3, 1, 1, 0}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = binaryfile::readAll(folder.file("LivroFts.tvl"));

        forgetPerson(folder.path(), c.client, c.dependent, &progress);

        EXPECT_EQ(column(&TapeBookRecord::Cliente), c.clientsAfter);
        EXPECT_EQ(column(&TapeBookRecord::Fita), (std::vector<std::int16_t>{10, 11, 11, 12, 10}));
        EXPECT_EQ(progress.lastValue, 5);
        binaryfile::writeAllAtomic(folder.file("LivroFts.tvl"), before);
    }
}

TEST_F(ForgettingTest, ADeletedTapesEntriesReadAsEmpty)
{
    const Histories histories(folder.path());

    forgetTape(folder.path(), 11, &progress);

    EXPECT_EQ(column(&TapeBookRecord::Fita), (std::vector<std::int16_t>{10, 0, 0, 12, 10}));
    EXPECT_EQ(histories.loadTapeHistory(history[0]), std::vector<std::int16_t>{10});
    EXPECT_EQ(histories.loadTapeHistory(history[1]), std::vector<std::int16_t>{12});
    EXPECT_FALSE(histories.tapeInHistory(history[1], 11));
    EXPECT_EQ(histories.readTape(history[1]).newestSlot(), 3);
}

TEST_F(ForgettingTest, ADeletedProductLeavesHistoriesAndTheSalesBook)
{
    const SoldLine sold[] = {{7, 1, Money::fromCents(100)}, {8, 2, Money::fromCents(300)}};
    appendSales(state, sold);
    const Histories histories(folder.path());
    histories.appendProductHistory(1, 7, 1, Money::fromCents(100), state.DataDia);
    histories.appendProductHistory(1, 8, 2, Money::fromCents(300), state.DataDia);

    forgetProduct(folder.path(), 7, &progress);
    const auto entries = histories.productEntries(1);

    EXPECT_EQ(readSaleEntry(folder.path(), 1).Produto, 0);
    EXPECT_EQ(readSaleEntry(folder.path(), 2).Produto, 8);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Produto, 8);
}

TEST_F(ForgettingTest, ADeletedPersonIsTakenOffTheTapesThatNameThem)
{
    auto& records = state.records();
    TapeRecord& tape = records.tape();
    tape.NumReservas = 3;
    tape.ReservaCliente = {3, 3, 4, 0, 0};
    tape.ReservaTitular = {false, true, false, false, false};
    tape.ReservaData = {10032026, 11032026, 12032026, 0, 0};
    tape.UltCliente = {3, 3, 5};
    tape.UltTitular = {true, false, true};
    tape.UltData = {1032026, 2032026, 3032026};
    records.writeRecord(FileKind::Tapes, 1);
    DependentRecord deleted;
    deleted.PrimNome = "#Bia";
    deleted.Titular = 1;
    records.save(3, deleted);

    cleanUpDeletedRecord(records, progress, FileKind::Dependents, 3);
    records.readRecord(FileKind::Tapes, 1, true);

    EXPECT_EQ(progress.waits.back(), "Atualizando Fitas");
    EXPECT_EQ(tape.NumReservas, 2);
    EXPECT_EQ(tape.ReservaCliente, (std::array<std::int16_t, 5>{3, 4, 0, 0, 0}));
    EXPECT_TRUE(tape.ReservaTitular[0]);
    EXPECT_EQ(tape.UltCliente, (std::array<std::int16_t, 3>{3, 0, 5}));
    EXPECT_EQ(tape.UltData[1], 0);
    EXPECT_EQ(column(&TapeBookRecord::Cliente), (std::vector<std::int16_t>{3, 3, 0, 0, 1}));
}

} // namespace
} // namespace tavolim::core
