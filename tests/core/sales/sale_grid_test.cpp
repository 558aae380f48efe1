#include "core/sales/SaleGrid.h"

#include "core/sales/ProductLookup.h"
#include "core/sales/SalesFixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace tavolim::core {
namespace {

using test::reais;

class SaleGridTest : public test::SalesTest {
protected:
    SaleGrid::AddOutcome add(SaleGrid& grid, const char* code, const char* name = "")
    {
        grid.txtCodProd = code;
        grid.txtNome = name;
        return grid.add({});
    }
};

TEST_F(SaleGridTest, TheSameProductThreeTimesIsOneLineOfThree)
{
    SaleGrid grid(state, SaleKind::WalkIn);

    EXPECT_EQ(add(grid, "1"), SaleGrid::AddOutcome::Added);
    EXPECT_EQ(grid.txtNome, "Pipoca");
    EXPECT_EQ(add(grid, "1"), SaleGrid::AddOutcome::Added);
    EXPECT_EQ(add(grid, "", "pipoca"), SaleGrid::AddOutcome::Added);

    ASSERT_EQ(grid.rowCount(), 1u);
    EXPECT_EQ(grid.rowTexts(0),
              (std::array<std::string, 6>{"1", "1", "Pipoca", "2,50", "3", "7,50"}));
    EXPECT_EQ(grid.caption(), "3 Produtos / Total = R$ 7,50");
    EXPECT_TRUE(dialogs.messages.empty()) << "10 in stock: no question";
    // The name shown after an add is no new product: Enter goes on to the payment.
    EXPECT_EQ(add(grid, "", "Pipoca"), SaleGrid::AddOutcome::Empty);
}

TEST_F(SaleGridTest, CodesAndNamesThatNameNoUsableProductAreRefused)
{
    writeProduct(4, "#Velho", 1, 1);
    struct Case {
        const char* code;
        const char* name;
        SaleGrid::AddOutcome outcome;
        std::optional<std::string> message;
    };
    using enum SaleGrid::AddOutcome;
    const Case cases[] = {
        {"0", "", BadCode, kBadProductCode},
        {"5", "", BadCode, kBadProductCode}, // past the file
        {"40000", "", BadCode, kBadProductCode},
        {"-1", "", BadCode, kBadProductCode},
        {"abc", "", BadCode, kBadProductCode},
        {"4", "", BadCode, kDeletedProduct},
        {"", "Chocolate", NotAdded, "Nenhum produto encontrado com este nome."},
        {"", "Velho", NotAdded, "Nenhum produto encontrado com este nome."},
        {"7891234567890", "", Added, std::nullopt}, // the barcode of product 3
    };
    SaleGrid grid(state, SaleKind::WalkIn);
    for (const Case& c : cases) {
        dialogs.messages.clear();

        EXPECT_EQ(add(grid, c.code, c.name), c.outcome) << c.code << c.name;

        EXPECT_EQ(dialogs.shownTexts(),
                  c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{})
            << c.code << c.name;
    }
    ASSERT_EQ(grid.rowCount(), 1u);
    EXPECT_EQ(grid.lines()[0].product, 3);
    EXPECT_EQ(grid.rowTexts(0)[1], "7891234567890");
}

TEST_F(SaleGridTest, TheStockQuestionComesWhenTheStockRunsOut)
{
    writeProduct(5, "Bala", 0.1, 0);
    writeProduct(6, "Doce", 1, -2);
    writeProduct(7, "Granel", 1, 2.5f);
    struct Case {
        const char* code;
        int adds; // how many times it is added, answering `answer` to the last question
        msg::Answer answer;
        int quantity; // on its line afterwards; 0 = no line
        std::vector<std::string> questions;
    };
    const auto asked = [](const char* stock) {
        return "O estoque para este produto é de apenas " + std::string(stock) +
               " unidades.\nDeseja continuar mesmo assim ?";
    };
    const Case cases[] = {
        {"3", 1, msg::Answer::Yes, 1, {}},
        {"3", 2, msg::Answer::No, 1, {asked("1")}},
        {"3", 2, msg::Answer::Yes, 2, {asked("1")}},
        {"5", 1, msg::Answer::No, 0, {asked("0")}},
        {"5", 1, msg::Answer::Yes, 1, {asked("0")}},
        {"6", 1, msg::Answer::Yes, 1, {asked("-2")}},
        {"7", 3, msg::Answer::No, 2, {asked("2,5")}},
    };
    for (const Case& c : cases) {
        SaleGrid grid(state, SaleKind::WalkIn);
        dialogs.messages.clear();
        dialogs.answers = {c.answer};

        for (int i = 0; i < c.adds; ++i) {
            add(grid, c.code);
        }

        EXPECT_EQ(dialogs.shownTexts(), c.questions) << c.code;
        EXPECT_EQ(grid.rowCount(), c.quantity > 0 ? 1u : 0u) << c.code;
        if (c.quantity > 0) {
            EXPECT_EQ(grid.lines()[0].quantity, c.quantity) << c.code;
        }
    }
}

TEST_F(SaleGridTest, CellsTakeOnlyAPriceAndAQuantityThatFitTheRecords)
{
    const std::string negative = "O valor não pode ser negativo.";
    const std::string notNumber = "O valor digitado não é um número.";
    struct Case {
        SaleKind kind;
        SaleColumn column;
        const char* typed;
        std::optional<std::string> refusal; // none: taken
    };
    using enum SaleColumn;
    using enum SaleKind;
    const Case cases[] = {
        {WalkIn, Unit, "3,75", std::nullopt},
        {WalkIn, Unit, "99999.99", std::nullopt},
        {WalkIn, Unit, "0", kBlankWalkInCells},
        {WalkIn, Unit, "", kBlankWalkInCells},
        {WalkIn, Unit, "-2", negative},
        {WalkIn, Unit, "dois", notNumber},
        {WalkIn, Unit, "100000", "O valor não pode passar de R$ 99.999,99."},
        {WalkIn, Qtde, "4", std::nullopt},
        {WalkIn, Qtde, "0", kBlankWalkInCells},
        {WalkIn, Qtde, " ", kBlankWalkInCells},
        {WalkIn, Qtde, "-1", "A quantidade não pode ser negativa."},
        {WalkIn, Qtde, "1,5", "A quantidade deve ser um número inteiro."},
        {WalkIn, Qtde, "abc", "A quantidade deve ser um número inteiro."},
        {WalkIn, Qtde, "32768", "A quantidade não pode passar de 32767."},
        {WalkIn, Qtde, "999999999999", "A quantidade não pode passar de 32767."},
        {Client, Unit, "", kBlankClientCells},
        {Client, Unit, "0,00", kBlankWalkInCells},
        {Client, Qtde, "", kBlankClientCells},
        {Client, Qtde, "0", kBlankWalkInCells},
    };
    for (const Case& c : cases) {
        SaleGrid grid(state, c.kind);
        add(grid, "1");
        dialogs.answers = {msg::Answer::Yes}; // a quantity past the stock is sold anyway
        dialogs.messages.clear();

        const bool taken = grid.editCell(0, c.column, c.typed);

        EXPECT_EQ(taken, !c.refusal) << c.typed;
        const auto& line = grid.lines()[0];
        if (c.refusal) {
            EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{*c.refusal}) << c.typed;
            EXPECT_EQ(std::pair(line.unitPrice, int{line.quantity}), std::pair(reais(2.5), 1))
                << c.typed;
        } else if (c.column == Unit) {
            EXPECT_EQ(line.unitPrice, parseMoney(c.typed)) << c.typed;
        } else {
            EXPECT_EQ(line.quantity, std::stoi(c.typed)) << c.typed;
        }
    }
}

TEST_F(SaleGridTest, ALineOfAProductPricedZeroStopsTheConfirmation)
{
    writeProduct(5, "Amostra", 0, 10);
    SaleGrid grid(state, SaleKind::Client);
    add(grid, "5");
    add(grid, "1");

    EXPECT_FALSE(grid.linesValid());
    EXPECT_EQ(dialogs.shownTexts().back(), kBlankWalkInCells);

    // A freebie needs no price.
    ASSERT_TRUE(grid.toggleFreebie(0));
    EXPECT_TRUE(grid.linesValid());
    EXPECT_EQ(grid.rowTexts(0)[5], "Brinde");
    EXPECT_FALSE(grid.cellEditable(0, SaleColumn::Unit));
}

TEST_F(SaleGridTest, ADiscountAboveWhatIsDueIsRefusedAndCancelledWhenLinesGo)
{
    SaleGrid grid(state, SaleKind::WalkIn);
    add(grid, "1");
    add(grid, "2");
    ASSERT_EQ(grid.linesTotal(), reais(5.5));

    dialogs.texts = {"6"};
    grid.askDiscount();
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{kDiscountTooLarge});
    EXPECT_EQ(grid.discount(), Money());

    dialogs.texts = {"1", "6,5"};
    grid.askSurcharge();
    grid.askDiscount();
    EXPECT_EQ(grid.total(), Money());
    EXPECT_EQ(grid.caption(), "2 Produtos / Total = R$ 0,00");

    dialogs.messages.clear();
    grid.removeLine(1);
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{kDiscountCancelled});
    EXPECT_EQ(grid.discount(), Money());
    EXPECT_EQ(grid.total(), reais(3.5));

    // Lowering a quantity cancels it the same way; a cancelled prompt changes nothing.
    dialogs.texts = {"3", std::nullopt};
    grid.askDiscount();
    grid.askSurcharge();
    ASSERT_EQ(grid.discount(), reais(3));
    ASSERT_TRUE(grid.editCell(0, SaleColumn::Unit, "1"));
    EXPECT_EQ(grid.discount(), Money());
    EXPECT_EQ(grid.surcharge(), reais(1));
}

TEST_F(SaleGridTest, AccessRowsGatePricesFreebiesAndAmounts)
{
    test::setOperators(records().rules(), {{"Tavolim", "", 1}, {"Caixa", "", 3}});
    for (int row : {20, 23, 24}) {
        records().rules().NivelAcesso[static_cast<std::size_t>(row - 1)] = 2;
    }
    state.OperadorAtual = 2;
    SaleGrid grid(state, SaleKind::Client);
    add(grid, "1");

    grid.askDiscount();
    grid.askSurcharge();

    EXPECT_TRUE(dialogs.prompts.empty());
    EXPECT_FALSE(grid.cellEditable(0, SaleColumn::Unit));
    EXPECT_TRUE(grid.cellEditable(0, SaleColumn::Qtde));
    EXPECT_FALSE(grid.cellEditable(0, SaleColumn::Nome));
    EXPECT_FALSE(grid.toggleFreebie(0));
    EXPECT_FALSE(grid.editCell(0, SaleColumn::Unit, "1"));
    // A walk-in sale has no freebies, whoever sells.
    state.OperadorAtual = 1;
    EXPECT_FALSE(SaleGrid(state, SaleKind::WalkIn).mayMarkFreebie());
}

} // namespace
} // namespace tavolim::core
