#include "core/rules/Terms.h"

#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/MediaRecord.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

// Every element of each term table holds a different number of days: general i + 1, label
// 50 + i, media 100 + i (i the 0-based element), so a term tells which element was read.
struct NumberedTables {
    GeneralRulesRecord rules;
    LabelRecord label;
    MediaRecord media;

    NumberedTables()
    {
        rules.AbreSabado = true;
        rules.AbreDomingo = true;
        std::iota(rules.PrazosGerais.begin(), rules.PrazosGerais.end(), std::int16_t{1});
        std::iota(label.Prazos.begin(), label.Prazos.end(), std::int16_t{50});
        std::iota(media.Prazos.begin(), media.Prazos.end(), std::int16_t{100});
        label.NumMaxDias = 200;
    }

    TermTables tables() const { return {rules, label, media}; }
};

TEST(Terms, RentalTermReadsTheTableTipoPrazoNames)
{
    struct Case {
        const char* what;
        int tipoPrazo;
        std::chrono::sys_days today;
        TapeCounts counts;
        int expected;
    };
    const auto saturday = date(2026, 12, 5);
    const auto friday = date(2026, 12, 4);
    const std::vector<Case> cases = {
        {"all tapes: third tape on a Saturday is element 2 x 15 + 2", 1, saturday, {3, 1, 1}, 33},
        {"all tapes: first tape on a Friday is element 15", 1, friday, {1, 1, 1}, 16},
        {"a store that never chose counts all tapes", 0, friday, {2, 1, 1}, 17},
        {"label: two of the label on a Friday", 2, friday, {5, 2, 1}, 54},
        {"media: three of the media on a Saturday", 3, saturday, {5, 1, 3}, 108},
    };
    const NumberedTables t;

    for (const auto& c : cases) {
        const int term = rentalTerm(termCounting(c.tipoPrazo), t.tables(), c.counts, c.today, 1);

        EXPECT_EQ(term, c.expected) << c.what;
    }
}

TEST(Terms, RentalAndRenewalTermsKeepToOpenDaysAndTheLabelMaximum)
{
    struct Case {
        const char* what;
        bool renewal;
        std::int16_t tableDays;
        std::int16_t maxDays;
        int prazoMinimo;
        int expected;
    };
    // From a Thursday; the store is closed at weekends.
    const std::vector<Case> cases = {
        {"a term ending on Saturday moves to Monday", false, 2, 30, 1, 4},
        {"a term not above the minimum is the minimum", false, 1, 30, 3, 3},
        {"held to the maximum", false, 10, 1, 1, 1},
        {"a maximum on a closed day is passed", false, 10, 2, 1, 4},
        {"a renewal has no minimum", true, 1, 30, 3, 1},
        {"a 0 in the table still renews one day", true, 0, 30, 1, 1},
        {"a renewal's maximum on a closed day is passed", true, 10, 2, 1, 4},
    };
    const auto thursday = date(2026, 12, 3);

    for (const auto& c : cases) {
        NumberedTables t;
        t.rules.AbreSabado = false;
        t.rules.AbreDomingo = false;
        t.rules.PrazosGerais.fill(c.tableDays);
        t.label.NumMaxDias = c.maxDays;

        const int term = c.renewal ? renewalTerm(TermCounting::AllTapes, t.tables(), 1, {1, 1, 1},
                                                 thursday, date(2026, 12, 9))
                                   : rentalTerm(TermCounting::AllTapes, t.tables(), {1, 1, 1},
                                                thursday, c.prazoMinimo);

        EXPECT_EQ(term, c.expected) << c.what;
    }
}

} // namespace
} // namespace tavolim::core
