#include "core/printing/ReceiptText.h"

#include "core/shell/Options.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

TEST(ReceiptText, MoneyFieldIsEightWideAndNeverCut)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {1234560, "1.234,56"}, {12345500, "12.345,50"}, {-1500, "   -1,50"}, {5, "    0,01"},
    };
    for (const auto& [thousandths, expected] : cases) {
        EXPECT_EQ(moneyField(Money::fromThousandths(thousandths)), expected) << thousandths;
    }
}

TEST(ReceiptText, IndentLinesPutsTheMarginAndKeepsEmptyLines)
{
    EXPECT_EQ(indentLines("a\r\n\r\nb", 1), " a\r\n \r\n b ");
    EXPECT_EQ(indentLines("Volte sempre ", 0), "Volte sempre ");
    EXPECT_EQ(indentLines("", 2), "  ");
}

TEST(ReceiptText, RemoveAccentsLeavesOtherCharacters)
{
    EXPECT_EQ(removeAccents("ÀÁÂÃÄÅ èéêë ÌÍÎÏ òóôõö ÙÚÛÜ ç Ñ Nº ° ª ý € R$"),
              "AAAAAA eeee IIII ooooo UUUU c N Nº ° ª ý € R$");
}

TEST(ReceiptText, CommandBytes)
{
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {",27,64,", {27, 64}}, {" , , ", {}}, {"27, 112,0,25,250", {27, 112, 0, 25, 250}},
        {"27,300,64", {27}},   {"27,x,64", {27}},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(parseCommandBytes(text), bytes) << text;
    }
}

} // namespace
} // namespace tavolim::core
