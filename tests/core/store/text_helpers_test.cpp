#include "core/store/Cp1252.h"
#include "core/store/Money.h"
#include "core/store/TextHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

TEST(TextHelpers, DatesConvertBothWays)
{
    struct Case {
        std::string typed;
        std::int32_t stored;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"5/3/2001", 5032001, "05/03/2001"},
        {"05-03-01", 5032001, "05/03/2001"},
        {" 29.02.2024 ", 29022024, "29/02/2024"},
        {"29/02/2023", 0, "00/00/0000"}, // not a date
        {"31/04/2020", 0, "00/00/0000"},
        {"", 0, "00/00/0000"},
        {"5/3", 0, "00/00/0000"},
        {"1/1/99", 1011999, "01/01/1999"},
    };
    for (const auto& c : cases) {
        const auto stored = textToDate(c.typed);

        EXPECT_EQ(stored, c.stored) << c.typed;
        EXPECT_EQ(dateToText(stored), c.shown) << c.typed;
        // Screens show no date as an empty box, never as a mask of zeros.
        EXPECT_EQ(dateToScreen(stored), stored == 0 ? "" : c.shown) << c.typed;
    }
}

TEST(TextHelpers, DateLongsToCalendarDates)
{
    using namespace std::chrono;

    EXPECT_EQ(fromYmd(*toYmd(5032001)), 5032001);
    EXPECT_FALSE(toYmd(32132001) || toYmd(-5032001));
    // Days past 255 would wrap inside chrono's one-byte day: 257 and 543 are no 1 and 31.
    EXPECT_FALSE(toYmd(257012026) || toYmd(543122026));
}

TEST(TextHelpers, TimesAndPostalCodes)
{
    EXPECT_EQ(textToTime("14:35"), 1435);
    EXPECT_EQ(textToTime("9h05"), 905);
    EXPECT_EQ(textToTime("25:00"), 0);
    EXPECT_EQ(timeToText(5), "00:05");

    EXPECT_EQ(textToCep("12.345-678x9"), 12345678);
    EXPECT_EQ(cepToText(textToCep("01310-100")), "01310-100");
    EXPECT_EQ(cepToText(0), "");
}

TEST(TextHelpers, MoneyTextReadsEitherDecimalPoint)
{
    struct Case {
        std::string text;
        std::int64_t thousandths;
    };
    const std::vector<Case> cases = {
        {"1.234,56", 1234560},
        {"1,234.56", 1234560},
        {"12,5", 12500},
        {"", 0},
        {"abc", 0},
        {"-3,20", -3200},
        {" 7", 7000},
        {"2,345", 2345},
        {"1.000.000", 1000000}, // the rightmost separator is always the decimal point
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseMoney(c.text).thousandths(), c.thousandths) << c.text;
    }
}

TEST(TextHelpers, MoneyIsShownTheBrazilianWay)
{
    struct Case {
        std::int64_t thousandths;
        std::string grouped;
        std::string plain;
    };
    const std::vector<Case> cases = {
        {1234560, "1.234,56", "1234,56"},
        {0, "0,00", "0,00"},
        {1005, "1,01", "1,01"}, // halves go away from zero
        {-1005, "-1,01", "-1,01"},
        {999995, "1.000,00", "1000,00"},
        {1234567890, "1.234.567,89", "1234567,89"},
    };
    for (const auto& c : cases) {
        const auto m = Money::fromThousandths(c.thousandths);

        EXPECT_EQ(formatMoney(m), c.grouped);
        EXPECT_EQ(formatMoneyPlain(m), c.plain);
    }
}

TEST(Money, SinglesConvertToExactThousandthsAndSumsDoNotDrift)
{
    Money total;
    for (int i = 0; i < 10; ++i) {
        total += Money::fromSingle(0.1f);
    }

    EXPECT_EQ(total, Money::fromCents(100));
    EXPECT_EQ(Money::fromSingle(Money::fromCents(1999).toSingle()), Money::fromCents(1999));
    EXPECT_EQ(Money::fromReais(1e30).thousandths(), Money::Limit);
    EXPECT_TRUE(Money::fromReais(std::nan("")).isZero());
}

// A damaged Single reads as the largest amount; a sales line of it times its quantity, or a
// sum of a few of them, once overflowed.
TEST(Money, DamagedAmountsStopAtTheLimitInsteadOfOverflowing)
{
    const Money top = Money::fromSingle(3e38f);
    const Money bottom = Money::fromSingle(-3e38f);
    const Money limit = Money::fromThousandths(Money::Limit);

    EXPECT_EQ(top, limit);
    EXPECT_EQ(bottom, -limit);
    EXPECT_EQ(Money::fromSingle(bottom.toSingle()), bottom); // stored and read back alike
    EXPECT_EQ(top * 32767, limit);
    EXPECT_EQ(top * -27922, -limit);
    EXPECT_EQ(bottom * -2, limit);
    EXPECT_EQ(Money::fromCents(1) * std::numeric_limits<std::int64_t>::min(), -limit);
    EXPECT_EQ(top + top, limit);
    EXPECT_EQ(bottom - top, -limit);
    Money sum;
    for (int i = 0; i < 20; ++i) {
        sum += top;
    }
    EXPECT_EQ(sum, limit);
    EXPECT_EQ(sum - top, Money());
    EXPECT_EQ(Money::fromCents(-250) * 3, Money::fromCents(-750));
    EXPECT_EQ(formatMoney(-limit), "-562.949.953.421.312,00");
}

TEST(TextHelpers, WordsAndNames)
{
    EXPECT_EQ(firstWord("Maria"), "");
    EXPECT_EQ(restAfterFirstWord(" Maria da Silva "), "da Silva");
    EXPECT_EQ(splitFullName(" José  de Souza "),
              std::make_pair(std::string("José"), std::string("de Souza")));
    EXPECT_EQ(splitFullName("Madonna"), std::make_pair(std::string("Madonna"), std::string()));
    EXPECT_EQ(joinFullName(" José ", " de Souza "), "José de Souza");
}

TEST(Cp1252, FieldsAreCutPaddedAndMapped)
{
    struct Case {
        std::string utf8;
        std::size_t width;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"Ação", 6, "A\xE7\xE3o  "},
        {"abcdef", 3, "abc"},
        {std::string("a\0b", 3), 4, "a b "},
        {"€ and 中", 8, "\x80 and ? "},
        {"\xFF\xFE", 3, "?? "}, // malformed UTF-8
        {"", 2, "  "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeField(c.utf8, c.width), c.bytes) << c.utf8;
    }
    EXPECT_EQ(decodeField(std::string("Jo\xE3o\0  ", 7)), "João");
    EXPECT_EQ(fromCp1252("\x81\x8D"), "\xC2\x81\xC2\x8D");
    EXPECT_EQ(toCp1252(fromCp1252("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
}

} // namespace
} // namespace tavolim::core
