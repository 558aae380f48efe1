#include "core/store/Cp1252.h"
#include "core/tools/TextMatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

// The cases of the find window: the typed text goes through toolPattern, as the windows do.
struct MatchCase {
    const char* field;
    const char* typed;
    bool wholeWords;
    bool matchCase;
    std::size_t position; // 0 = no match
};

TEST(TextMatcher, FindsAsTheWindowsMatch)
{
    const std::vector<MatchCase> cases = {
        {"CASAMENTO", "CASA", true, false, 0},
        {"CASAMENTO", "CASA", false, false, 1},
        {"CASA VERDE", "CASA", true, false, 1},
        {"CASA VERDE", "CASA", false, false, 1},
        {"A CASA", "CASA", true, false, 3},
        {"MINHACASA", "CASA", true, false, 0},
        {"CASAMENTO", "*SAMENTO", true, false, 3},
        {"CASAMENTO", "CASA*", true, false, 1},
        {"CASAMENTO", "*SAME*", true, false, 3},
        {"CASAMENTO", "SAMENTO", true, false, 0},
        // Accented letters lie above "z": word boundaries. "_" lies between "A" and "z".
        {"CASAÇÃO", "CASA", true, false, 1},
        {"ÁCASA", "CASA", true, false, 2},
        {"CASA_VERDE", "CASA", true, false, 0},
        {"CASA^", "CASA", true, false, 0},
        {"CASA1", "CASA", true, false, 1},
        {"CASA-VERDE", "VERDE", true, false, 6},
        // A rejected occurrence does not hide a later one.
        {"CASAS E CASA", "CASA", true, false, 9},
        // Case modes, accented letters included.
        {"casa verde", "CASA", true, false, 1},
        {"casa verde", "CASA", true, true, 0},
        {"AÇÃO", "ação", false, false, 1},
        {"AÇÃO", "ação", false, true, 0},
        {"ação", "ação", false, true, 1},
        // Empty texts never match; a lone star is an empty text.
        {"CASA", "", false, false, 0},
        {"CASA", "*", true, false, 0},
        {"", "CASA", false, false, 0},
        {"   ", "*", false, false, 0},
        // Fields are trimmed; the typed text too.
        {"  CASA  ", "CASA", true, false, 1},
        {"CASA VERDE", "  VERDE ", true, false, 6},
        {"CASA", "CASA VERDE", false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " / " + c.typed + (c.wholeWords ? " palavra" : "") +
                     (c.matchCase ? " maiúsculas" : ""));
        const TextMatcher matcher(toCp1252(toolPattern(c.typed, c.wholeWords)), c.matchCase);

        EXPECT_EQ(matcher.find(toCp1252(c.field)), c.position);
    }
}

TEST(TextMatcher, SearchesFromTheStartPosition)
{
    const TextMatcher matcher("CASA", false);
    const std::string field = "CASA E CASA";

    EXPECT_EQ(matcher.find(field, 0), 1u);
    EXPECT_EQ(matcher.find(field, 2), 8u);
    EXPECT_EQ(matcher.find(field, 9), 0u);
}

struct ReplaceCase {
    const char* field;
    const char* typed;
    const char* replacement;
    bool wholeWords;
    bool matchCase;
    const char* expected;
    int count;
};

TEST(TextMatcher, ReplacesEveryAcceptedOccurrence)
{
    const std::vector<ReplaceCase> cases = {
        {"CASA VERDE CASA", "CASA", "LAR", true, false, "LAR VERDE LAR", 2},
        {"CASAMENTO NA CASA", "CASA", "LAR", true, false, "CASAMENTO NA LAR", 1},
        {"CASAMENTO NA CASA", "CASA", "LAR", false, false, "LARMENTO NA LAR", 2},
        {"Casa casa CASA", "casa", "Lar", false, false, "Lar Lar Lar", 3},
        {"Casa casa CASA", "casa", "Lar", false, true, "Casa Lar CASA", 1},
        // A replacement holding the sought text is not searched again.
        {"CASA", "CASA", "CASAS", false, false, "CASAS", 1},
        {"AAAA", "A", "AA", false, false, "AAAAAAAA", 4},
        // Taking a word out leaves the text trimmed.
        {"CASA VERDE", "CASA", "", true, false, "VERDE", 1},
        {"VERDE", "CASA", "LAR", false, false, "VERDE", 0},
        {"CASAMENTO", "*SAMENTO", "MA", true, false, "CAMA", 1},
        {"São João", "são", "Santo", true, false, "Santo João", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " / " + c.typed);
        const TextMatcher matcher(toCp1252(toolPattern(c.typed, c.wholeWords)), c.matchCase);
        int count = -1;

        const std::string result =
            matcher.replaceAll(toCp1252(c.field), toCp1252(c.replacement), &count);

        EXPECT_EQ(fromCp1252(result), c.expected);
        EXPECT_EQ(count, c.count);
    }
}

} // namespace
} // namespace tavolim::core
