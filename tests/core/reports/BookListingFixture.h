#pragma once

#include "core/books/SalesBook.h"
#include "core/books/TapeBook.h"
#include "core/store/ClientRecord.h"
#include "core/store/DependentRecord.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include "core/books/BookFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavolim::core::reporttest {

using booktest::dayOf;

// A store whose books are written the way the counter writes them, day by day, with the
// people, tapes and products they name on file.
class ReportsFixture : public booktest::BookFixture {
protected:
    explicit ReportsFixture(std::chrono::year_month_day firstDay = dayOf(2026, 3, 10))
        : BookFixture(firstDay)
    {
        state.options().GravHistFita = true;
    }

    // The next business day, started without the date-change warning, so the tests see only
    // the messages of what they test.
    void advanceTo(std::chrono::year_month_day day)
    {
        clock.date = day;
        startDay(state, true);
    }

    void writeTape(std::int16_t code, const std::string& title)
    {
        TapeRecord t;
        t.Nome = title;
        ASSERT_TRUE(state.records().save(code, t));
    }

    void writeClient(std::int16_t code, const std::string& first, const std::string& last)
    {
        ClientRecord c;
        c.PrimNome = first;
        c.SobreNome = last;
        ASSERT_TRUE(state.records().save(code, c));
    }

    void writeDependent(std::int16_t code, std::int16_t holder, const std::string& first,
                        const std::string& last)
    {
        DependentRecord d;
        d.PrimNome = first;
        d.SobreNome = last;
        d.Titular = holder;
        ASSERT_TRUE(state.records().save(code, d));
    }

    void writeProduct(std::int16_t code, const std::string& description, const std::string& barcode)
    {
        ProductRecord p;
        p.Descricao = description;
        p.CodigoBarras = barcode;
        ASSERT_TRUE(state.records().save(code, p));
    }

    // A rental today by a client (dependent -1) or dependent, each tape at its price in
    // cents; the renter's tape history number is kept in the person's record.
    void rent(std::int16_t client, std::int16_t dependent,
              const std::vector<std::pair<std::int16_t, int>>& tapes)
    {
        auto& records = state.records();
        std::vector<RentedTape> rented;
        for (const auto& [tape, cents] : tapes) {
            rented.push_back({tape, Money::fromCents(cents)});
        }
        if (dependent == -1) {
            auto person = records.load<ClientRecord>(client);
            ASSERT_TRUE(appendRentals(state, rented, client, dependent, person.RegHistFita));
            ASSERT_TRUE(records.save(client, person));
        } else {
            auto person = records.load<DependentRecord>(dependent);
            ASSERT_TRUE(appendRentals(state, rented, client, dependent, person.RegHistFita));
            ASSERT_TRUE(records.save(dependent, person));
        }
    }

    // Returns today tapes rented on `rentedOn`, each charged `periods` of its price.
    void giveBack(const std::vector<std::pair<std::int16_t, int>>& tapes,
                  std::chrono::year_month_day rentedOn, std::int16_t periods)
    {
        std::vector<ReturnedTape> returned;
        for (const auto& [tape, cents] : tapes) {
            returned.push_back(
                {tape, periods, Money::fromCents(cents * periods), fromYmd(rentedOn)});
        }
        markReturns(state, returned);
    }

    void sell(const std::vector<SoldLine>& lines) { ASSERT_TRUE(appendSales(state, lines)); }
};

} // namespace tavolim::core::reporttest
