#include "core/rules/AutoRenew.h"

#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"
#include "core/store/RuleTables.h"
#include "core/store/TapeRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

// Label 1: 2-day terms, 3.00 for one tape and 2.00 each for two. Label 2: 1-day terms, 5.00.
struct Store : test::RulesFixture {
    Store() : RulesFixture(date(2026, 12, 3))
    {
        state.options().TipoCobraAtraso = 4;
        state.options().TipoPrazo = 2;
        records().rules().AbreSabado = true;
        records().rules().AbreDomingo = true;
        writeLabel(2, "Lançamento", 500, 1);
        writeLabel(1, "Catálogo", 300, 2);
        for (int c = 1; c <= DayClasses; ++c) {
            records().label().Diarias[static_cast<std::size_t>(classByCountIndex(c, 2))] =
                Money::fromCents(200);
        }
        records().writeRecord(FileKind::Labels, 1);
        writeMedia(1, "VHS");
    }

    // Two tapes of label 1 due on Monday 30 November, one of label 2 due on 2 December.
    std::array<TapeRecord, 3> tapes()
    {
        return {rentedTape(11, 1, date(2026, 11, 28), 2, 300, 3),
                rentedTape(12, 1, date(2026, 11, 28), 2, 300, 3),
                rentedTape(13, 2, date(2026, 11, 30), 2, 500, 3)};
    }

    RenewalRules rulesFor()
    {
        return {records().rules(), TermCounting::SameLabel, date(2026, 12, 3),
                [this](int code) -> const LabelRecord& { return label(code); },
                [this](int) -> const MediaRecord& { return media; }};
    }

    const LabelRecord& label(int code)
    {
        records().readRecord(FileKind::Labels, code, true);
        labels[static_cast<std::size_t>(code)] = records().label();
        return labels[static_cast<std::size_t>(code)];
    }

    std::array<LabelRecord, 3> labels;
    MediaRecord media;
};

TEST(AutoRenew, EachStepRenewsTheEarliestPastDueDateTogether)
{
    Store s;
    auto tapes = s.tapes();
    const auto rules = s.rulesFor();

    const auto first = renewEarliestDueDate(tapes, rules);
    const auto second = renewEarliestDueDate(tapes, rules);
    const auto third = renewEarliestDueDate(tapes, rules);

    EXPECT_EQ(first, (std::vector<std::size_t>{0, 1})); // 30 November, two of label 1
    EXPECT_EQ(second, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(third.empty()); // all due today or later
    // Tapes 11 and 12 renewed twice at 2.00, tape 13 once at 5.00, all now from 2 December.
    for (const auto& [i, days, renewals, cents] :
         {std::tuple{0, 2, 2, 400}, {1, 2, 2, 400}, {2, 1, 1, 500}}) {
        const auto& t = tapes[static_cast<std::size_t>(i)];
        EXPECT_EQ(t.DataBase, 2122026) << i;
        EXPECT_EQ(t.DiasBase, days) << i;
        EXPECT_EQ(t.AcertoQtd, renewals) << i;
        EXPECT_EQ(t.AcertoValor, Money::fromCents(cents)) << i;
    }
}

TEST(AutoRenew, WritingEachTapeOnceLeavesWhatWritingEveryRenewalLeaves)
{
    Store batched;
    Store stepwise;
    const std::vector<std::int16_t> codes = {11, 12, 13, 12};
    for (auto* s : {&batched, &stepwise}) {
        for (auto t : s->tapes()) {
            t.DataRetirada = fromYmd(date(2026, 11, 1));
            t.DataBase = t.DataRetirada;
            s->writeTape(t);
        }
    }

    const auto report = autoRenew(batched.state, codes);
    int stepWrites = 0;
    for (auto r = autoRenewOnce(stepwise.state, codes); r.renewals > 0;
         r = autoRenewOnce(stepwise.state, codes)) {
        stepWrites += r.tapeWrites;
    }

    EXPECT_TRUE(report.written);
    EXPECT_EQ(report.tapeWrites, 3);
    EXPECT_EQ(report.renewals, stepWrites);
    // Label 1 falls due on odd days of November, label 2 every day: all three were last
    // renewed together on 1 December, tape 13 alone again on 2 December.
    for (const auto& [code, together] : {std::pair{11, 3}, std::pair{12, 3}, std::pair{13, 1}}) {
        const auto a = batched.readTape(code);
        const auto b = stepwise.readTape(code);
        EXPECT_EQ(a.encoded(), b.encoded()) << code;
        EXPECT_EQ(a.DataBase, code == 13 ? 2122026 : 1122026) << code;
        EXPECT_EQ(a.QtdBase, together) << code;
    }
}

TEST(AutoRenew, OnlyReRentingRenewsAndOnlyTapesWithADate)
{
    Store s;
    auto tapes = s.tapes();
    tapes[2].DataBase = 0;
    for (const auto& t : tapes) {
        s.writeTape(t);
    }
    const std::vector<std::int16_t> codes = {11, 12, 13};

    s.state.options().TipoCobraAtraso = 1;
    const auto notReRenting = autoRenew(s.state, codes);
    s.state.options().TipoCobraAtraso = 4;
    const auto reRenting = autoRenew(s.state, codes);

    EXPECT_EQ(notReRenting.renewals, 0);
    EXPECT_EQ(reRenting.tapeWrites, 2);
    EXPECT_EQ(s.readTape(11).AcertoQtd, 2);
    EXPECT_EQ(s.readTape(13).AcertoQtd, 0);
}

} // namespace
} // namespace tavolim::core
