#include "core/sales/WalkInSale.h"

#include "core/books/PositionFile.h"
#include "core/sales/SalesFixture.h"
#include "core/store/BinaryFile.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tavolim::core {
namespace {

using test::reais;

class WalkInSaleTest : public test::SalesTest {
protected:
    // 2 Pipoca and 1 Refrigerante: 8,00.
    void fill(WalkInSaleModel& sale)
    {
        for (const char* code : {"1", "2", "1"}) {
            sale.grid().txtCodProd = code;
            ASSERT_EQ(sale.add(), SaleGrid::AddOutcome::Added) << code;
        }
    }

    // Files a sale writes, as they are now.
    std::vector<std::vector<std::uint8_t>> files()
    {
        std::vector<std::vector<std::uint8_t>> bytes;
        for (const char* name : {"LivroCx.tvl", "PosLivCx.tvl", "DadosPrd.tvl", "Caixa.tvl"}) {
            bytes.push_back(binaryfile::readAll(folder.file(name)));
        }
        return bytes;
    }
};

TEST_F(WalkInSaleTest, ThePaymentMustCoverTheTotalToTheCent)
{
    struct Case {
        const char* typed;
        WalkInSaleModel::Outcome outcome;
        std::vector<std::string> messages;
        const char* caption;
    };
    using enum WalkInSaleModel::Outcome;
    const Case cases[] = {
        {"7,99",
         FocusValorPago,
         {kPaidTooLittle},
         "3 Produtos / Total = R$ 8,00 / Troco = R$ -0,01"},
        {"", FocusValorPago, {kPaidTooLittle}, "3 Produtos / Total = R$ 8,00 / Troco = R$ -8,00"},
        {"oito", FocusValorPago, {"O valor digitado não é um número."}, nullptr},
        {"-10", FocusValorPago, {"O valor pago não pode ser negativo."}, nullptr},
        {"100000", FocusValorPago, {"O valor não pode passar de R$ 99.999,99."}, nullptr},
        {"8.00", Saved, {}, "3 Produtos / Total = R$ 8,00 / Troco = R$ 0,00"},
    };
    for (const Case& c : cases) {
        const auto before = files();
        WalkInSaleModel sale(state);
        fill(sale);
        sale.txtValorPago = c.typed;
        dialogs.messages.clear();
        if (c.caption) {
            EXPECT_EQ(sale.caption(), c.caption) << c.typed;
        }

        EXPECT_EQ(sale.confirm(), c.outcome) << c.typed;

        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.typed;
        if (c.outcome != Saved) {
            EXPECT_EQ(files(), before) << c.typed << ": nothing written";
        }
    }
    EXPECT_EQ(salesBook().size(), 2u);
}

TEST_F(WalkInSaleTest, ConfirmingWritesTheBookTheStockAndTheDayThenPrints)
{
    state.options().ConfirmOp = true;
    writeProduct(5, "Bala", 0.1, 0);
    WalkInSaleModel sale(state);
    fill(sale);
    sale.grid().txtCodProd = "5";
    dialogs.answers = {msg::Answer::Yes}; // the stock question: sold with none in stock
    ASSERT_EQ(sale.add(), SaleGrid::AddOutcome::Added);
    ASSERT_TRUE(sale.grid().editCell(2, SaleColumn::Qtde, "10"));
    sale.txtValorPago = "20";
    sale.chkImprimir = true;
    dialogs.messages.clear();
    dialogs.answers = {msg::Answer::Yes};

    EXPECT_EQ(sale.confirm(), WalkInSaleModel::Outcome::Saved);

    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"Confirma a Operação ?",
                                        "Não se esqueça de retirar impressão!"}));
    const auto book = salesBook();
    ASSERT_EQ(book.size(), 3u);
    const auto record = [](const SaleBookRecord& r) {
        return std::tuple(r.Data, r.Produto, r.Qtd, r.PrecoUnit);
    };
    EXPECT_EQ(record(book[0]),
              std::tuple(kTodayCode, std::int16_t{1}, std::int16_t{2}, reais(2.5)));
    EXPECT_EQ(record(book[1]), std::tuple(kTodayCode, std::int16_t{2}, std::int16_t{1}, reais(3)));
    EXPECT_EQ(record(book[2]),
              std::tuple(kTodayCode, std::int16_t{5}, std::int16_t{10}, reais(0.1)));
    const auto day = PositionFile(folder.path(), Book::Sales).dayRecord(kToday);
    ASSERT_TRUE(day);
    EXPECT_EQ(std::tuple(day->PrimeiroReg, day->QtdRegs), std::tuple(1, 3));
    EXPECT_EQ(std::tuple(product(1).Estoque, product(2).Estoque, product(5).Estoque),
              std::tuple(8.0f, 4.0f, -10.0f));
    const auto caixa = caixaOnDisk();
    EXPECT_EQ(caixa, state.CaixaDia);
    EXPECT_EQ(std::tuple(caixa.NumVendas, caixa.ItensVendidos, caixa.VendaPago, caixa.Entrada,
                         caixa.VendaHaver),
              std::tuple(1, 13, reais(9), reais(9), Money()));
    EXPECT_EQ(state.options().ImpNotaVda, 1);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(progress.waits.back(), "Imprimindo Nota...");
}

TEST_F(WalkInSaleTest, TheReceiptIsLaidOutByteForByteAtBothWidths)
{
    for (const int width : {40, 45}) {
        state.options().NCol = static_cast<std::int16_t>(width);
        records().rules().NumeroRecibo = 41;
        printer.printed.clear();
        WalkInSaleModel sale(state);
        fill(sale);
        dialogs.texts = {"1,5", "0,50"};
        sale.grid().askSurcharge();
        sale.grid().askDiscount();
        sale.txtValorPago = "10";
        sale.chkImprimir = true;

        ASSERT_EQ(sale.confirm(), WalkInSaleModel::Outcome::Saved);

        const std::string body = " 000001 Pipoca\r\n"
                                 "   2 x R$    2,50          R$    5,00\r\n"
                                 " 000002 Refrigerante\r\n"
                                 "   1 x R$    3,00          R$    3,00\r\n"
                                 "             Sub-Total     R$    8,00\r\n"
                                 "             Acréscimo     R$    1,50\r\n"
                                 "              Desconto     R$    0,50\r\n"
                                 "                 Total     R$    9,00\r\n"
                                 "            Valor Pago     R$   10,00\r\n"
                                 "                 Troco     R$    1,00\r\n";
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0], framed(width, "", body)) << width;
    }
}

TEST_F(WalkInSaleTest, NothingIsWrittenWhenTheOperatorStopsOrTheDiskFails)
{
    struct Case {
        const char* name;
        std::optional<msg::Answer> confirmOp;
        const char* failing; // file whose write fails
        std::string message;
    };
    const Case cases[] = {
        {"No", msg::Answer::No, nullptr, "Confirma a Operação ?"},
        {"Cancel", msg::Answer::Cancel, nullptr, "Confirma a Operação ?"},
        {"stock", std::nullopt, "DadosPrd.tvl",
         "Não foi possível gravar o arquivo 'DadosPrd.tvl' (disco cheio).\nA operação foi "
         "cancelada e nada foi gravado."},
        {"book", std::nullopt, "LivroCx.tvl",
         "Não foi possível gravar o arquivo 'LivroCx.tvl' (disco cheio).\nA operação foi "
         "cancelada e nada foi gravado."},
    };
    for (const Case& c : cases) {
        const auto before = files();
        const DailyTotalsRecord caixa = state.CaixaDia;
        state.options().ConfirmOp = c.confirmOp.has_value();
        dialogs.answers.clear();
        if (c.confirmOp) {
            dialogs.answers.push_back(*c.confirmOp);
        }
        WalkInSaleModel sale(state);
        fill(sale);
        sale.txtValorPago = "8";
        sale.chkImprimir = true;
        dialogs.messages.clear();
        if (c.failing) {
            binaryfile::setFaultHook([&](const std::filesystem::path& p) {
                return p.filename() == c.failing ? ENOSPC : 0;
            });
        }

        const auto outcome = sale.confirm();
        binaryfile::setFaultHook({});

        EXPECT_EQ(outcome, WalkInSaleModel::Outcome::Stay) << c.name;
        EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(files(), before) << c.name;
        EXPECT_EQ(state.CaixaDia, caixa) << c.name;
        EXPECT_TRUE(printer.printed.empty()) << c.name;
        EXPECT_EQ(sale.grid().rowCount(), 2u) << c.name << ": the sale stays open";
    }
}

} // namespace
} // namespace tavolim::core
