#include "core/rules/RentalCounters.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tavolim::core {
namespace {

using Pair = RentalCounters::Pair;
constexpr std::array kPairs = {Pair::Price, Pair::Term, Pair::Promotion};

// Counts of label 1 and media 4 in each pair: price, term, promotion.
std::array<int, 3> labelCounts(const RentalCounters& c)
{
    return {c.byLabel(Pair::Price, 1), c.byLabel(Pair::Term, 1), c.byLabel(Pair::Promotion, 1)};
}

std::array<int, 3> mediaCounts(const RentalCounters& c)
{
    return {c.byMedia(Pair::Price, 4), c.byMedia(Pair::Term, 4), c.byMedia(Pair::Promotion, 4)};
}

TEST(RentalCounters, AFreebieLeavesThePairsThatDoNotCountIt)
{
    struct Case {
        const char* what;
        FreebieCounting counting;
        std::array<int, 3> marked;
    };
    const std::vector<Case> cases = {
        {"freebies count nowhere", {}, {1, 1, 1}},
        {"ContaBrindeDiaria", {true, false, false}, {2, 1, 1}},
        {"ContaBrindePrazo", {false, true, false}, {1, 2, 1}},
        {"ContaBrindeMsg", {false, false, true}, {1, 1, 2}},
        {"freebies count everywhere", {true, true, true}, {2, 2, 2}},
    };

    for (const auto& c : cases) {
        RentalCounters counters(c.counting);
        counters.addTape(1, 4);
        counters.addTape(1, 4);

        counters.markFreebie(1, 4);
        const auto marked = labelCounts(counters);
        const auto markedMedia = mediaCounts(counters);
        const int markedTotal = counters.totalTapes();
        counters.unmarkFreebie(1, 4);
        const auto unmarked = labelCounts(counters);
        counters.markFreebie(1, 4);
        counters.removeTape(1, 4, true);
        const auto removed = labelCounts(counters);

        EXPECT_EQ(marked, c.marked) << c.what;
        EXPECT_EQ(markedMedia, c.marked) << c.what;
        EXPECT_EQ(markedTotal, 2) << c.what;
        EXPECT_EQ(unmarked, (std::array{2, 2, 2})) << c.what;
        EXPECT_EQ(removed, (std::array{1, 1, 1})) << c.what;
        EXPECT_EQ(counters.totalTapes(), 1) << c.what;
    }
}

TEST(RentalCounters, TapesAreCountedByTheirOwnLabelAndMediaOnly)
{
    RentalCounters counters;

    counters.addTape(1, 4);
    counters.addTape(2, 4);
    counters.addTape(2, 5);
    counters.removeTape(2, 4, false);
    counters.removeTape(3, 6, false); // never added: nothing below 0

    EXPECT_EQ(counters.totalTapes(), 1);
    for (const auto pair : kPairs) {
        EXPECT_EQ(counters.counts(pair, 1, 4).label, 1);
        EXPECT_EQ(counters.counts(pair, 2, 5).label, 1);
        EXPECT_EQ(counters.counts(pair, 2, 5).media, 1);
        EXPECT_EQ(counters.counts(pair, 1, 4).media, 1);
        EXPECT_EQ(counters.byLabel(pair, 3), 0);
        EXPECT_EQ(counters.byMedia(pair, 6), 0);
    }
}

} // namespace
} // namespace tavolim::core
