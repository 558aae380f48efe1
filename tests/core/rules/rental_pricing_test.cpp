#include "core/rules/RentalPricing.h"

#include "core/ports/Dialogs.h"
#include "core/rules/RentalCounters.h"
#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/RuleTables.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

LabelRecord label(int code, std::int64_t oneCents, std::int64_t twoCents, std::int16_t oneDays,
                  std::int16_t twoDays)
{
    LabelRecord l;
    l.Codigo = static_cast<std::int16_t>(code);
    l.NumMaxDias = 30;
    for (int c = 1; c <= DayClasses; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            const auto i = static_cast<std::size_t>(classByCountIndex(c, n));
            l.Diarias[i] = Money::fromCents(n == 1 ? oneCents : twoCents);
            l.Prazos[i] = n == 1 ? oneDays : twoDays;
        }
    }
    return l;
}

// A Wednesday, the store open every day, terms counted by label. Label 1 costs 3.00 alone and
// 2.50 for two, for 1 day alone and 3 days for two; label 2 costs 4.00 for 2 days.
struct Rental {
    Rental() : pricing(rules, {TermCounting::SameLabel, {}, date(2026, 12, 2), 1}, dialogs) {}

    void add(std::int16_t tape, int labelCode)
    {
        pricing.addTape(tape, labelCode == 1 ? catalogue : release, media);
    }

    std::vector<std::string> prices() const
    {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < pricing.rows().size(); ++i) {
            texts.push_back(pricing.priceText(i));
        }
        return texts;
    }

    std::vector<int> terms() const
    {
        std::vector<int> t;
        for (const auto& r : pricing.rows()) {
            t.push_back(r.term);
        }
        return t;
    }

    GeneralRulesRecord rules = [] {
        GeneralRulesRecord g;
        g.AbreSabado = true;
        g.AbreDomingo = true;
        return g;
    }();
    test::ScriptedDialogs dialogs;
    LabelRecord catalogue = label(1, 300, 250, 1, 3);
    LabelRecord release = label(2, 400, 400, 2, 2);
    MediaRecord media;
    RentalPricing pricing;
};

TEST(RentalPricing, EveryRowOfALabelCarriesThePriceAndTermOfItsCount)
{
    struct Step {
        const char* what;
        std::function<void(Rental&)> act;
        std::vector<std::string> prices;
        std::vector<int> terms;
        std::int64_t cents;
        std::string caption;
    };
    const std::vector<Step> steps = {
        {"one of label 1",
         [](Rental& r) { r.add(10, 1); },
         {"3,00"},
         {1},
         300,
         "1 Fita Locada / Menor entrega em 1 dia / 03/12/2026 / Valor = R$ 3,00"},
        {"two of label 1",
         [](Rental& r) { r.add(11, 1); },
         {"2,50", "2,50"},
         {3, 3},
         500,
         "2 Fitas Locadas / Menor entrega em 3 dias / 05/12/2026 / Valor = R$ 5,00"},
        {"one of label 2",
         [](Rental& r) { r.add(12, 2); },
         {"2,50", "2,50", "4,00"},
         {3, 3, 2},
         900,
         "3 Fitas Locadas / Menor entrega em 2 dias / 04/12/2026 / Valor = R$ 9,00"},
        {"the first a freebie",
         [](Rental& r) { r.pricing.toggleFreebie(0); },
         {"Brinde", "3,00", "4,00"},
         {1, 1, 2},
         700,
         "3 Fitas Locadas / Menor entrega em 1 dia / 03/12/2026 / Valor = R$ 7,00"},
        {"the freebie unmarked",
         [](Rental& r) { r.pricing.toggleFreebie(0); },
         {"2,50", "2,50", "4,00"},
         {3, 3, 2},
         900,
         "3 Fitas Locadas / Menor entrega em 2 dias / 04/12/2026 / Valor = R$ 9,00"},
        {"the second removed",
         [](Rental& r) { r.pricing.removeRow(1); },
         {"3,00", "4,00"},
         {1, 2},
         700,
         "2 Fitas Locadas / Menor entrega em 1 dia / 03/12/2026 / Valor = R$ 7,00"},
    };
    Rental r;

    for (const auto& s : steps) {
        s.act(r);

        EXPECT_EQ(r.prices(), s.prices) << s.what;
        EXPECT_EQ(r.terms(), s.terms) << s.what;
        EXPECT_EQ(r.pricing.amount(), Money::fromCents(s.cents)) << s.what;
        EXPECT_EQ(r.pricing.caption(), s.caption) << s.what;
    }
    EXPECT_TRUE(r.dialogs.messages.empty());
}

TEST(RentalPricing, LargeDiscountsAndZeroTermsAreRefused)
{
    Rental r;
    r.add(10, 1);
    r.add(12, 2); // 3.00 + 4.00
    r.pricing.setSurcharge(Money::fromCents(100));

    const bool refused = !r.pricing.setDiscount(Money::fromCents(801));
    const bool accepted = r.pricing.setDiscount(Money::fromCents(350));
    const auto discounted = r.pricing.amount();
    r.pricing.removeRow(1); // 3.50 off 3.00 of tapes: cancelled, the surcharge aside
    const bool termsBefore = r.pricing.checkTerms();
    r.pricing.setTerm(0, 0);
    const bool termsAfter = r.pricing.checkTerms();

    EXPECT_TRUE(refused);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(discounted, Money::fromCents(450));
    EXPECT_EQ(r.pricing.discount(), Money());
    EXPECT_EQ(r.pricing.amount(), Money::fromCents(400));
    EXPECT_TRUE(termsBefore);
    EXPECT_FALSE(termsAfter);
    EXPECT_EQ(r.dialogs.shownTexts(),
              (std::vector<std::string>{
                  "O desconto não pode ser maior do que o valor devido.",
                  "O desconto foi anulado com esta operação por ser maior do que o valor devido.",
                  "Erro: Um dos prazos de entrega está registrado como sendo de zero dias.",
              }));
}

using Pair = RentalCounters::Pair;

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

} // namespace
} // namespace tavolim::core
