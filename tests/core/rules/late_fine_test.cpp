#include "core/rules/LateFine.h"

#include "core/store/LabelRecord.h"
#include "core/store/TapeRecord.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::core {
namespace {

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
        {"1.00 per 2 days, 3 days late", days, 2, 100, 5, 10h, 3, 1, "0003d/0001/1",
         "R$1,00 Multa"},
        {"a started period is not fined", days, 2, 100, 3, 10h, 1, 0, "0001d/0000/1",
         "R$0,00 Multa"},
        {"on time", days, 1, 100, 2, 23h, 0, 0, "", ""},
        {"a damaged unit counts days", 0, 1, 250, 4, 10h, 2, 2, "0002d/0002/2,5",
         "R$5,00 Multa"},
        {"no fine period", days, 0, 100, 9, 10h, 0, 0, "", ""},
        {"fines not charged", days, 1, 100, 9, 10h, 0, 0, "", "", false},
        {"hours on the due day", hours, 3, 50, 2, 16h + 59min, 6, 2, "0006h/0002/0,5",
         "R$1,00 Multa"},
        {"earlier hour on the due day", hours, 3, 50, 2, 9h, 0, 0, "", ""},
        {"a day after, later hour", hours, 3, 50, 3, 16h, 30, 10, "0030h/0010/0,5",
         "R$5,00 Multa"},
        {"a day after, earlier hour: 21 hours since the due time", hours, 3, 50, 3, 7h, 21, 7,
         "0021h/0007/0,5", "R$3,50 Multa"},
        {"two days after, earlier hour", hours, 3, 50, 4, 7h, 45, 15, "0045h/0015/0,5",
         "R$7,50 Multa"},
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
