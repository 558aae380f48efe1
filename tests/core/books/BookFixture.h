#pragma once

#include "core/books/BookRecords.h"
#include "core/books/PositionFile.h"
#include "core/day/BusinessDay.h"
#include "core/store/BinaryFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "support/FakeStore.h"
#include "support/RecordFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavolim::core::booktest {

inline std::chrono::year_month_day dayOf(int y, unsigned m, unsigned d)
{
    return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

// A new store installed on `firstDay` and a running program whose clock reads that day.
class BookFixture : public ::testing::Test, protected test::InstalledStore {
protected:
    explicit BookFixture(std::chrono::year_month_day firstDay = dayOf(2026, 3, 10))
        : InstalledStore(firstDay)
    {
        startDay(state, false);
    }

    // The clock moves on and the day restarts, as the date-change check does.
    void advanceTo(std::chrono::year_month_day day)
    {
        clock.date = day;
        checkDateChange(state);
    }

    template <class R>
    std::vector<R> readAll(const char* file) const
    {
        return test::readRecords<R>(folder.file(file));
    }
};

} // namespace tavolim::core::booktest
