#include "core/shell/DateEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace tavolim::core {
namespace {

std::string typeAll(std::string_view keys, std::string text = {})
{
    for (const char c : keys) {
        text = typeDateChar(text, c);
    }
    return text;
}

TEST(DateEntry, TypingKeepsTheDayMonthYearForm)
{
    struct Case {
        const char* keys;
        const char* expected;
    };
    const Case cases[] = {
        {"05032001", "05/03/2001"},
        {"5-3.2001", "5/3/2001"},
        {"5,3,01", "5/3/01"},
        {"05/03/2001", "05/03/2001"}, // a typed slash after an inserted one is not doubled
        {"12", "12/"},
        {"1203", "12/03/"},
        {"0503200199", "05/03/2001"}, // the year stops at four digits
        {"05a03x", "05/03/"},
        {"/", ""},
        {"5//", "5/"},
        {"5/3/2/", "5/3/2"},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(typeAll(c.keys), c.expected) << c.keys;
    }
}

TEST(DateEntry, ReadsOnlyRealDates)
{
    using namespace std::chrono;
    struct Case {
        const char* text;
        std::optional<year_month_day> expected;
    };
    const Case cases[] = {
        {"29/02/2024", year{2024} / 2 / 29},
        {"5/3/01", year{2001} / 3 / 5},
        {"29/02/2025", std::nullopt},
        {"31/04/2026", std::nullopt},
        {"  /  /    ", std::nullopt},
        {"", std::nullopt},
        {"12/", std::nullopt},
    };

    for (const Case& c : cases) {
        EXPECT_EQ(readDateEntry(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(dateEntryText(year{2026} / 1 / 9), "09/01/2026");
}

} // namespace
} // namespace tavolim::core
