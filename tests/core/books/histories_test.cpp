#include "core/books/Histories.h"

#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

class HistoriesTest : public ::testing::Test {
protected:
    // Appends tapes 1..n one operation at a time, each naming book record 1000 + tape.
    void appendTapes(int n, std::int32_t number = 1)
    {
        for (int t = 1; t <= n; ++t) {
            std::int32_t book = 1000 + t;
            const std::int16_t tape[] = {static_cast<std::int16_t>(t)};
            histories.appendTapeHistory(number, tape, book);
        }
    }

    std::vector<std::int16_t> tapes(int first, int last) const
    {
        std::vector<std::int16_t> v(static_cast<std::size_t>(last - first + 1));
        std::iota(v.begin(), v.end(), static_cast<std::int16_t>(first));
        return v;
    }

    test::TempDataFolder folder;
    Histories histories{folder.path()};
};

TEST_F(HistoriesTest, TheRingFillsSlotsTwoToAHundredThenOverwritesTheOldest)
{
    struct Case {
        int appended;
        int newest;
        std::vector<std::int16_t> listed;
    };
    const std::vector<Case> cases = {
        {1, 2, {1}},
        {99, 100, tapes(1, 99)},
        {100, 2, tapes(2, 100)},
        {198, 100, tapes(100, 198)},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.appended);
        histories.writeTape(1, TapeHistoryRecord{});

        appendTapes(c.appended);
        const auto record = histories.readTape(1);

        EXPECT_EQ(record.newestSlot(), c.newest);
        EXPECT_EQ(histories.loadTapeHistory(1), c.listed);
        EXPECT_EQ(record.RegLivro[static_cast<std::size_t>(c.newest - 1)], 1000 + c.appended);
    }
}

std::vector<int> slots(std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> v;
    for (const auto& [first, last] : ranges) {
        for (int s = first; s <= last; ++s) {
            v.push_back(s);
        }
    }
    return v;
}

TEST(HistoryOrder, FollowsTheNewestSlotAndTheUsedSlotsAfterIt)
{
    struct Case {
        const char* name;
        int newest;
        std::vector<int> used;
        std::vector<int> order;
    };
    const std::vector<Case> cases = {
        {"empty", 0, {}, {}},
        {"newest 100", 100, slots({{2, 100}}), slots({{2, 100}})},
        {"newest 99, slot 100 used", 99, slots({{2, 100}}), slots({{100, 100}, {2, 99}})},
        {"newest 99, slot 100 empty", 99, slots({{2, 99}}), slots({{2, 99}})},
        {"wrapped, slot after the newest forgotten", 3, slots({{2, 3}, {5, 100}}),
         slots({{4, 100}, {2, 3}})},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);

        const auto order = historyOrder(c.newest, [&](int slot) {
            return std::find(c.used.begin(), c.used.end(), slot) != c.used.end();
        });

        EXPECT_EQ(order, c.order);
    }
}

TEST_F(HistoriesTest, ProductEntriesCarryTheDayOfTheSale)
{
    using namespace std::chrono;
    const auto day = year{2026} / March / 14;

    histories.appendProductHistory(3, 41, 2, Money::fromCents(350), day);
    histories.appendProductHistory(3, 42, 1, Money::fromCents(990), day);
    const auto entries = histories.productEntries(3);

    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Data, 14032026);
    EXPECT_EQ(entries[0].Produto, 41);
    EXPECT_EQ(entries[1].Valor, Money::fromCents(990));
    EXPECT_EQ(histories.readProduct(3).newestSlot(), 3);
    EXPECT_EQ(histories.readProduct(2).newestSlot(), 0);
}

TEST_F(HistoriesTest, AHistoryNumberBelowOneIsNeverReadOrWritten)
{
    std::int32_t book = 1;
    const std::int16_t tape[] = {5};

    const bool appended = histories.appendTapeHistory(0, tape, book);

    EXPECT_FALSE(appended);
    EXPECT_FALSE(histories.tapeInHistory(0, 5));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "HistFita.tvl"));
}

} // namespace
} // namespace tavolim::core
