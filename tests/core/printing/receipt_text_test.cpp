#include "core/printing/ReceiptText.h"

#include "core/shell/Options.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

TEST(ReceiptText, MoneyFieldIsEightWideAndNeverCut)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "    0,00"},      {1234560, "1.234,56"}, {12345500, "12.345,50"},
        {-1500, "   -1,50"},  {5, "    0,01"},
    };
    for (const auto& [thousandths, expected] : cases) {
        EXPECT_EQ(moneyField(Money::fromThousandths(thousandths)), expected) << thousandths;
    }
}

TEST(ReceiptText, CenterAndAmountLines)
{
    EXPECT_EQ(centerText(40, "  Loja  "), std::string(18, ' ') + "Loja");
    EXPECT_EQ(centerText(45, "Vídeo"), std::string(20, ' ') + "Vídeo");
    EXPECT_EQ(centerText(5, "texto longo"), "texto longo");
    EXPECT_EQ(amountLine("Outros Débitos", Money()), "       Outros Débitos     R$    0,00");
    EXPECT_EQ(amountLine("Total", Money::fromCents(123456)),
              "                Total     R$1.234,56");
}

TEST(ReceiptText, IndentLinesPutsTheMarginAndKeepsEmptyLines)
{
    struct Case {
        const char* text;
        int margin;
        const char* expected;
    };
    const Case cases[] = {
        {"Volte sempre", 2, "  Volte sempre "},
        {"Volte sempre ", 0, "Volte sempre "},
        {"a\r\nb", 3, "   a\r\n   b "},
        {"a\r\n\r\nb", 1, " a\r\n \r\n b "},
        {"a\r\nb", 0, "a\r\nb "},
        {"", 0, " "},
        {"", 2, "  "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(indentLines(c.text, c.margin), c.expected) << c.text << " / " << c.margin;
    }
}

TEST(ReceiptText, RemoveAccentsLeavesOtherCharacters)
{
    EXPECT_EQ(removeAccents("ÀÁÂÃÄÅ ÈÉÊË ÌÍÎÏ ÒÓÔÕÖ ÙÚÛÜ Ç Ñ"),
              "AAAAAA EEEE IIII OOOOO UUUU C N");
    EXPECT_EQ(removeAccents("àáâãäå èéêë ìíîï òóôõö ùúûü ç ñ"),
              "aaaaaa eeee iiii ooooo uuuu c n");
    EXPECT_EQ(removeAccents("Nº ° ª ý € R$ 1,00"), "Nº ° ª ý € R$ 1,00");
}

TEST(ReceiptText, SignatureLineAndWidth)
{
    EXPECT_EQ(signatureLine(45), "  Ass.:____________________________________  ");
    EXPECT_EQ(signatureLine(40), "  Ass.:_______________________________  ");
    EXPECT_EQ(signatureLine(45).size(), 45u);
    EXPECT_EQ(signatureLine(40).size(), 40u);
    const std::pair<int, int> widths[] = {{40, 40}, {45, 45}, {50, 40}, {44, 40}, {0, 40}};
    for (const auto& [stored, used] : widths) {
        EXPECT_EQ(receiptWidth(stored), used) << stored;
    }
}

TEST(ReceiptText, CommandBytes)
{
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {",27,64,", {27, 64}},   {"", {}},          {" , , ", {}},
        {"27, 112,0,25,250", {27, 112, 0, 25, 250}}, {"27,300,64", {27}},
        {"27,x,64", {27}},       {"255", {255}},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(parseCommandBytes(text), bytes) << text;
    }
}

TEST(ReceiptText, AlignLineAndLineLength)
{
    const std::string text = "Loja\r\n  Rua A, 10  \r\nfim";
    EXPECT_EQ(alignLine(text, 1, LineAlignment::Center, 40),
              "Loja\r\n" + std::string(15, ' ') + "Rua A, 10\r\nfim");
    EXPECT_EQ(alignLine(text, 1, LineAlignment::Left, 40), "Loja\r\nRua A, 10\r\nfim");
    EXPECT_EQ(alignLine("a\nb", 1, LineAlignment::Right, 5), "a\r\n    b");
    EXPECT_EQ(alignLine(text, 7, LineAlignment::Right, 40), text);

    EXPECT_TRUE(linesFit(std::string(40, 'x') + "\r\n" + std::string(40, 'y'), 40));
    EXPECT_FALSE(linesFit("a\r\n" + std::string(41, 'x'), 40));
    EXPECT_TRUE(linesFit(std::string(38, 'x') + "çã", 40));
}

} // namespace
} // namespace tavolim::core
