#pragma once

#include "core/books/BookRecords.h"
#include "core/books/DailyTotalsRecord.h"
#include "core/books/PositionFile.h"
#include "core/shell/AppState.h"
#include "core/shell/BusinessDay.h"
#include "core/shell/NewInstallation.h"
#include "core/store/BinaryFile.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace tavolim::core::booktest {

inline std::chrono::year_month_day dayOf(int y, unsigned m, unsigned d)
{
    return std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
}

// A new store installed on `firstDay` and a running program whose clock reads that day.
class BookFixture : public ::testing::Test {
protected:
    explicit BookFixture(std::chrono::year_month_day firstDay = dayOf(2026, 3, 10))
        : clock(firstDay)
    {
        createNewInstallation(folder.path(), firstDay);
        state.loadOptions();
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
        const auto bytes = binaryfile::readAll(folder.file(file));
        std::vector<R> out(bytes.size() / R::Size);
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i].decode(std::span(bytes).subspan(i * R::Size, R::Size));
        }
        return out;
    }

    test::TempDataFolder folder;
    test::ScriptedDialogs dialogs;
    test::FixedClock clock;
    test::MemorySettings settings;
    test::RecordingPrinter printer;
    test::RecordingProgress progress;
    test::RecordingLauncher launcher;
    AppState state{folder.path(), Ports{dialogs, clock, settings, printer, progress, launcher}};
};

} // namespace tavolim::core::booktest
