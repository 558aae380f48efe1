#include "core/rules/TapeCharge.h"

#include "core/rules/LateFine.h"
#include "core/rules/RulesFixture.h"
#include "core/store/GeneralRulesRecord.h"
#include "core/store/LabelRecord.h"
#include "core/store/RuleTables.h"
#include "core/store/TapeRecord.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

using test::date;

// Prices by day class: 3.00 Sunday to Thursday, 4.00 Friday, 5.00 Saturday for one tape;
// 2.00, 2.50, 3.00 for two. The label term is 3 days.
LabelRecord pricedLabel()
{
    LabelRecord l;
    l.Codigo = 1;
    l.NumMaxDias = 30;
    l.Prazos.fill(3);
    const std::array<std::int64_t, 3> one = {300, 400, 500};
    const std::array<std::int64_t, 3> two = {200, 250, 300};
    for (int c = 1; c <= 3; ++c) {
        for (int n = 1; n <= MaxRuleCount; ++n) {
            const auto& cents = n == 1 ? one : two;
            l.Diarias[static_cast<std::size_t>(classByCountIndex(c, n))] =
                Money::fromCents(cents[static_cast<std::size_t>(c - 1)]);
        }
    }
    return l;
}

GeneralRulesRecord chargingDays(bool saturday, bool sunday,
                                std::vector<std::pair<int, int>> holidays = {})
{
    GeneralRulesRecord r;
    r.CobraSabado = saturday;
    r.CobraDomingo = sunday;
    for (const auto& [day, slot] : holidays) {
        r.Feriados[static_cast<std::size_t>(holidayIndex(day, slot))] = -1;
    }
    return r;
}

// Taken on Monday 30 November 2026 for 2 days.
TapeRecord tapeTakenMonday(bool freebie)
{
    TapeRecord t;
    t.Selo = 1;
    t.DataRetirada = fromYmd(date(2026, 11, 30));
    t.HoraRetirada = 1000;
    t.QtdLocadas = 1;
    t.Dias = 2;
    t.Brinde = freebie;
    t.ValorLocacao = freebie ? Money() : Money::fromCents(300);
    t.DataBase = t.DataRetirada;
    t.DiasBase = t.Dias;
    t.QtdBase = 1;
    t.AcertoQtd = 2;
    t.AcertoValor = Money::fromCents(600);
    return t;
}

TEST(TapeCharge, EachLateChargingModeForPaidAndFreebieRentals)
{
    struct Case {
        LateCharging mode;
        bool freebie;
        std::chrono::sys_days today;
        int periods;
        std::int64_t cents;
    };
    const auto dayAfter = date(2026, 12, 1);
    const auto onTime = date(2026, 12, 2);
    const auto oneDayLate = date(2026, 12, 3);
    const auto weekLate = date(2026, 12, 9); // 7 days late, over a weekend
    using enum LateCharging;
    const std::vector<Case> cases = {
        // Each late day at its own class's price; Sunday not charged.
        {EachDay, false, onTime, 1, 300},
        {EachDay, false, oneDayLate, 2, 600},
        {EachDay, false, weekLate, 7, 2400},
        {EachDay, true, oneDayLate, 0, 0},
        {EachDay, true, weekLate, 5, 1800},
        // One period per started label term of 3 days.
        {LabelTerm, false, onTime, 1, 300},
        {LabelTerm, false, weekLate, 4, 1200},
        {LabelTerm, true, onTime, 0, 0},
        {LabelTerm, true, oneDayLate, 1, 300},
        {LabelTerm, true, weekLate, 3, 900},
        // One period per started agreed term of 2 days.
        {AgreedTerm, false, oneDayLate, 2, 600},
        {AgreedTerm, false, weekLate, 5, 1500},
        {AgreedTerm, true, dayAfter, 0, 0},
        {AgreedTerm, true, weekLate, 4, 1200},
        // The renewals already written to the tape: 2 of them, 6.00.
        {ReRent, false, dayAfter, 1, 300},
        {ReRent, false, onTime, 3, 900},
        {ReRent, true, dayAfter, 0, 0},
        {ReRent, true, weekLate, 2, 600},
        {NotCharged, false, weekLate, 1, 300},
        {NotCharged, true, weekLate, 0, 0},
    };
    const auto label = pricedLabel();
    const auto rules = chargingDays(true, false);

    for (const auto& c : cases) {
        const ChargeSettings settings{c.mode, false, c.today, std::chrono::hours{10}};

        const auto line = tapeCharge(tapeTakenMonday(c.freebie), label, rules, settings);

        ASSERT_TRUE(line);
        const auto what = ::testing::Message()
                          << "mode " << static_cast<int>(c.mode) << (c.freebie ? " freebie" : "")
                          << " on " << dateToText(fromYmd(c.today));
        EXPECT_EQ(line->periods, c.periods) << what;
        EXPECT_EQ(line->amount, Money::fromCents(c.cents)) << what;
    }
}

TEST(TapeCharge, ChargedLateDaysFollowTheChargingDaysAndHolidays)
{
    struct Case {
        const char* what;
        GeneralRulesRecord rules;
        int count;
        int days;
        std::int64_t cents;
    };
    // Friday 27 November up to Tuesday 1 December, charged on Wednesday 2 December.
    const std::vector<Case> cases = {
        {"Saturday charged, Sunday not", chargingDays(true, false), 1, 4, 1500},
        {"neither weekend day", chargingDays(false, false), 1, 3, 1000},
        {"both weekend days", chargingDays(true, true), 1, 5, 1800},
        {"prices for two tapes", chargingDays(false, false), 2, 3, 650},
        {"holiday last month (30 November)", chargingDays(true, false, {{30, 1}}), 1, 3, 1200},
        {"holiday this month (1 December)", chargingDays(true, false, {{1, 2}}), 1, 3, 1200},
        {"day 30 of next month's slot is no holiday now", chargingDays(true, false, {{30, 3}}), 1,
         4, 1500},
    };
    const auto label = pricedLabel();

    for (const auto& c : cases) {
        const auto charged =
            chargedLateDays(c.rules, label, c.count, date(2026, 11, 27), date(2026, 12, 2));

        EXPECT_EQ(charged.days, c.days) << c.what;
        EXPECT_EQ(charged.amount, Money::fromCents(c.cents)) << c.what;
    }
}

TEST(TapeCharge, StartedTermsCountOnceOnePercentOfThemHasPassed)
{
    struct Case {
        std::int16_t labelTerm;
        int daysOut;
        int periods;
    };
    // Taken with an agreed term of 2 days; charged by label terms.
    const std::vector<Case> cases = {
        {2, 5, 3},   // Int(3 / 2 + 0.99) + 1
        {2, 6, 3},   // Int(4 / 2 + 0.99) + 1
        {100, 3, 2}, // 1% of a term is a started term
        {200, 3, 1}, // half a percent is not
        {0, 5, 4},   // a damaged 0 term: each late day
    };

    for (const auto& c : cases) {
        auto label = pricedLabel();
        label.Prazos.fill(c.labelTerm);
        const ChargeSettings settings{
            LateCharging::LabelTerm, false, date(2026, 11, 30) + std::chrono::days(c.daysOut), {}};

        const auto line = tapeCharge(tapeTakenMonday(false), label, GeneralRulesRecord{}, settings);

        EXPECT_EQ(line->periods, c.periods) << "term " << c.labelTerm << ", out " << c.daysOut;
        EXPECT_EQ(line->amount, Money::fromCents(300) * c.periods);
    }
}

TEST(TapeCharge, ATapeIsChargedWithItsOwnLabelFromTheFile)
{
    test::RulesFixture f(date(2026, 12, 3));
    f.state.options().TipoCobraAtraso = 3;
    f.state.options().CobrarMulta = true;
    f.writeLabel(2, "Lançamento", 700, 2);
    f.records().label().TempoMulta = 1;
    f.records().label().ValorMulta = Money::fromCents(50);
    f.records().writeRecord(FileKind::Labels, 2);
    f.writeLabel(1, "Catálogo", 300, 2);
    TapeRecord tape = f.rentedTape(5, 2, date(2026, 11, 30), 2, 700);

    const auto line = tapeChargeOf(f.state, tape);
    tape.DataRetirada = 31022026;
    const auto broken = tapeChargeOf(f.state, tape);

    ASSERT_TRUE(line);
    EXPECT_EQ(line->periods, 2);
    EXPECT_EQ(line->amount, Money::fromCents(1450)); // two agreed terms and a day's fine
    EXPECT_EQ(line->fineText, "0001d/0001/0,5");
    EXPECT_FALSE(broken);
}

using namespace std::chrono_literals;

TEST(LateFine, WholeFinePeriodsInDaysAndHoursWithTheirTexts)
{
    struct Case {
        const char* what;
        std::int16_t unit;
        std::int16_t every;
        std::int64_t cents;
        int daysOut; // the term is 2 days, taken at 10:30
        std::chrono::minutes now;
        int late;
        int periods;
        const char* text;
        const char* amountText;
        bool cobrarMulta = true;
    };
    constexpr auto days = LabelRecord::FineInDays;
    constexpr auto hours = LabelRecord::FineInHours;
    const std::vector<Case> cases = {
        {"a started period is not fined", days, 2, 100, 3, 10h, 1, 0, "0001d/0000/1",
         "R$0,00 Multa"},
        {"on time", days, 1, 100, 2, 23h, 0, 0, "", ""},
        {"a damaged unit counts days", 0, 1, 250, 4, 10h, 2, 2, "0002d/0002/2,5", "R$5,00 Multa"},
        {"fines not charged", days, 1, 100, 9, 10h, 0, 0, "", "", false},
        {"hours on the due day", hours, 3, 50, 2, 16h + 59min, 6, 2, "0006h/0002/0,5",
         "R$1,00 Multa"},
        {"earlier hour on the due day", hours, 3, 50, 2, 9h, 0, 0, "", ""},
        {"a day after, earlier hour: 21 hours since the due time", hours, 3, 50, 3, 7h, 21, 7,
         "0021h/0007/0,5", "R$3,50 Multa"},
    };

    for (const auto& c : cases) {
        TapeRecord tape;
        tape.Dias = 2;
        tape.HoraRetirada = 1030;
        LabelRecord label;
        label.UnidadeMulta = c.unit;
        label.TempoMulta = c.every;
        label.ValorMulta = Money::fromCents(c.cents);

        const auto fine = lateFine(tape, label, c.cobrarMulta, c.daysOut, c.now);

        EXPECT_EQ(fine.late, c.late) << c.what;
        EXPECT_EQ(fine.periods, c.periods) << c.what;
        EXPECT_EQ(fine.amount, Money::fromCents(c.cents) * c.periods) << c.what;
        EXPECT_EQ(fineDescription(fine), c.text) << c.what;
        EXPECT_EQ(fineAmountText(fine), c.amountText) << c.what;
    }
}

} // namespace
} // namespace tavolim::core
