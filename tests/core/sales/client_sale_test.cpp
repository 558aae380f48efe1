#include "core/sales/ClientSale.h"

#include "core/books/Histories.h"
#include "core/books/PositionFile.h"
#include "core/counter/Situation.h"
#include "core/sales/SalesFixture.h"
#include "core/store/BinaryFile.h"
#include "core/store/FileTransaction.h"
#include "support/CrashRunner.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tavolim::core {
namespace {

using test::reais;

class ClientSaleTest : public test::SalesTest {
protected:
    void add(ClientSaleModel& sale, const char* code)
    {
        sale.grid().txtCodProd = code;
        ASSERT_EQ(sale.add(), SaleGrid::AddOutcome::Added) << code;
    }

    // Ana, 5,00 in credit, with one tape at home taken today (4,00 so far); she buys 2 Pipoca,
    // a Refrigerante given as a freebie and a Fita Virgem, with 1,00 added and 0,50 off:
    // 11,50, of which she pays 4,00.
    ClientSaleModel anasSale()
    {
        writeClient(1, "Ana", 5, 0);
        lend(7, kAna, 0, 2, 4);
        const Situation situation = showSituation(state, kAna);
        EXPECT_EQ(std::tuple(situation.totalFitas, situation.valorDevido),
                  std::tuple(reais(4), reais(-1)));
        ClientSaleModel sale(state, situation);
        for (const char* code : {"1", "2", "1", "3"}) {
            add(sale, code);
        }
        EXPECT_TRUE(sale.grid().toggleFreebie(1));
        dialogs.texts = {"1", "0,5"};
        sale.grid().askSurcharge();
        sale.grid().askDiscount();
        sale.payment.option = PaymentChoice::Option::PagouParte;
        sale.payment.txtValorPago = "4";
        sale.chkImprimir = true;
        return sale;
    }

    static constexpr PersonRef kAna{1, true};
};

TEST_F(ClientSaleTest, ASaleWithCreditAPartPaymentAndAFreebieIsWrittenFieldByField)
{
    state.options().GravHistProd = true;
    ClientSaleModel sale = anasSale();
    // The sale and her balance: 11,50 - 1,00 of credit beyond the tapes.
    EXPECT_EQ(sale.amountOffered(), reais(10.5));
    EXPECT_EQ(sale.grid().caption(), "4 Produtos / Total = R$ 11,50");

    ASSERT_EQ(sale.confirm(), ClientSaleModel::Outcome::Saved);

    // Debit 11,00 of lines eats the 5,00 of credit, + 1,00 surcharge, - 0,50 discount, - 4,00.
    const auto& ana = client(1);
    EXPECT_EQ(std::tuple(ana.ValorPago, ana.ValorDevido, ana.ValorUltPgto, ana.RegHistProd),
              std::tuple(Money(), reais(2.5), reais(4), 1));
    EXPECT_EQ(std::tuple(ana.NumFitas, ana.TotalLocacoes), std::tuple(1, 0)) << "tapes untouched";

    const auto book = salesBook();
    ASSERT_EQ(book.size(), 3u);
    const auto record = [](const SaleBookRecord& r) {
        return std::tuple(r.Data, r.Produto, r.Qtd, r.PrecoUnit);
    };
    EXPECT_EQ(record(book[0]),
              std::tuple(kTodayCode, std::int16_t{1}, std::int16_t{2}, reais(2.5)));
    EXPECT_EQ(record(book[1]), std::tuple(kTodayCode, std::int16_t{2}, std::int16_t{1}, Money()));
    EXPECT_EQ(record(book[2]), std::tuple(kTodayCode, std::int16_t{3}, std::int16_t{1}, reais(6)));
    const auto day = PositionFile(folder.path(), Book::Sales).dayRecord(kToday);
    ASSERT_TRUE(day);
    EXPECT_EQ(std::tuple(day->PrimeiroReg, day->QtdRegs), std::tuple(1, 3));

    const auto caixa = caixaOnDisk();
    EXPECT_EQ(std::tuple(caixa.NumVendas, caixa.ItensVendidos, caixa.VendaPago, caixa.Entrada,
                         caixa.VendaHaver),
              std::tuple(1, 4, reais(4), reais(4), reais(7.5)));

    const auto history = Histories(folder.path()).productEntries(1);
    ASSERT_EQ(history.size(), 3u);
    const auto entry = [](const Histories::ProductEntry& e) {
        return std::tuple(e.Data, e.Produto, e.Qtd, e.Valor);
    };
    EXPECT_EQ(entry(history[0]),
              std::tuple(kTodayCode, std::int16_t{1}, std::int16_t{2}, reais(2.5)));
    EXPECT_EQ(entry(history[1]), std::tuple(kTodayCode, std::int16_t{2}, std::int16_t{1}, Money()));
    EXPECT_EQ(entry(history[2]),
              std::tuple(kTodayCode, std::int16_t{3}, std::int16_t{1}, reais(6)));

    EXPECT_EQ(std::tuple(product(1).Estoque, product(2).Estoque, product(3).Estoque),
              std::tuple(8.0f, 4.0f, 0.0f));
    EXPECT_EQ(state.options().ImpNotaVdaCli, 1);
    EXPECT_EQ(sale.payment.option, PaymentChoice::Option::PagouParte);
}

TEST_F(ClientSaleTest, TheReceiptIsLaidOutByteForByteAtBothWidths)
{
    for (const int width : {40, 45}) {
        state.options().NCol = static_cast<std::int16_t>(width);
        ClientSaleModel sale = anasSale();
        records().rules().NumeroRecibo = 41;
        printer.printed.clear();

        ASSERT_EQ(sale.confirm(), ClientSaleModel::Outcome::Saved);

        const std::string body = " 000001 Pipoca\r\n"
                                 "   2 x R$    2,50          R$    5,00\r\n"
                                 " 000002 Refrigerante\r\n"
                                 "   1 x R$    3,00              Brinde\r\n"
                                 " 000003 Fita Virgem\r\n"
                                 "   1 x R$    6,00          R$    6,00\r\n"
                                 "             Sub-Total     R$   11,00\r\n"
                                 "             Acréscimo     R$    1,00\r\n"
                                 "              Desconto     R$    0,50\r\n"
                                 "         Fitas em casa     R$    4,00\r\n"
                                 "        Outros Débitos     R$    0,00\r\n"
                                 "                 Total     R$   15,50\r\n"
                                 "  Valor Pago Adiantado     R$    5,00\r\n"
                                 "            Valor Pago     R$    4,00\r\n"
                                 "          Valor Devido     R$    6,50\r\n"
                                 "                 Saldo     R$    0,00\r\n";
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0],
                  framed(width, " Cliente: 000001\r\n Titular: Ana Silva\r\n", body))
            << width;
        writeProduct(3, "Fita Virgem", 6, 1, "7891234567890"); // in stock for the next round
    }
}

TEST_F(ClientSaleTest, WhatIsNotPaidGoesToTheAccountAndToVendaHaver)
{
    // A sale of 5,00 (2 Pipoca) to a person with this balance, paid as the box says.
    struct Case {
        const char* name;
        double pago, devido;
        PaymentChoice::Option option;
        const char* typed;
        double offered;
        double pagoAfter, devidoAfter, vendaPago, vendaHaver;
        PaymentChoice::Option shown;
    };
    using enum PaymentChoice::Option;
    const Case cases[] = {
        {"nothing paid", 0, 0, NaoPagou, "", 5, 0, 5, 0, 5, NaoPagou},
        {"nothing paid from credit", 8, 0, NaoPagou, "", 0, 3, 0, 0, 5, NaoPagou},
        {"all, with a debt", 0, 2, PagouTudo, "", 7, 0, 0, 7, 0, PagouTudo},
        {"all, covered by credit", 8, 0, PagouTudo, "", 0, 3, 0, 0, 5, NaoPagou},
        {"part", 0, 2, PagouParte, "3", 7, 0, 4, 3, 2, PagouParte},
        {"part not a number", 0, 0, PagouParte, "três", 5, 0, 5, 0, 5, NaoPagou},
        {"part is all", 1, 0, PagouParte, "4,00", 4, 0, 0, 4, 1, PagouTudo},
    };
    for (const Case& c : cases) {
        writeClient(1, "Ana", c.pago, c.devido);
        state.CaixaDia = DailyTotalsRecord{};
        ClientSaleModel sale(state, showSituation(state, kAna));
        add(sale, "1");
        add(sale, "1");
        sale.payment.option = c.option;
        sale.payment.txtValorPago = c.typed;
        EXPECT_EQ(sale.amountOffered(), reais(c.offered)) << c.name;

        ASSERT_EQ(sale.confirm(), ClientSaleModel::Outcome::Saved) << c.name;

        const auto& ana = client(1);
        EXPECT_EQ(std::tuple(ana.ValorPago, ana.ValorDevido),
                  std::tuple(reais(c.pagoAfter), reais(c.devidoAfter)))
            << c.name;
        EXPECT_EQ(
            std::tuple(state.CaixaDia.VendaPago, state.CaixaDia.Entrada, state.CaixaDia.VendaHaver),
            std::tuple(reais(c.vendaPago), reais(c.vendaPago), reais(c.vendaHaver)))
            << c.name;
        EXPECT_EQ(sale.payment.option, c.shown) << c.name;
    }
}

TEST_F(ClientSaleTest, ADependentOnTheHoldersAccountPaysFromTheHoldersRecord)
{
    state.options().UnicaConta = true;
    state.options().GravHistProd = true;
    writeClient(1, "Ana", 0, 1);
    writeDependent(1, 1, "Bia", 0, 0);
    const PersonRef bia{1, false};
    ClientSaleModel sale(state, showSituation(state, bia));
    add(sale, "2");
    sale.payment.option = PaymentChoice::Option::NaoPagou;
    sale.chkImprimir = true;

    ASSERT_EQ(sale.confirm(), ClientSaleModel::Outcome::Saved);

    EXPECT_EQ(client(1).ValorDevido, reais(4));
    EXPECT_EQ(std::tuple(dependent(1).ValorDevido, dependent(1).RegHistProd, client(1).RegHistProd),
              std::tuple(Money(), 1, 0));
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_NE(printer.printed[0].find(" Cliente: 000001  -  Dependente\r\n Titular: Ana Silva\r\n"
                                      " Retirou: Bia Silva\r\n"),
              std::string::npos)
        << printer.printed[0];
}

TEST_F(ClientSaleTest, AFailureAtAnyWritePointLeavesEverythingAsBeforeOrAfter)
{
    state.options().GravHistProd = true;
    writeClient(1, "Ana", 2, 0);
    const auto before = test::snapshotOf(folder.path());
    const DailyTotalsRecord caixa = state.CaixaDia;
    const CurrentRecords current = records().current();
    const auto sell = [&] {
        ClientSaleModel sale(state, showSituation(state, kAna));
        add(sale, "1");
        add(sale, "3");
        sale.payment.option = PaymentChoice::Option::PagouParte;
        sale.payment.txtValorPago = "1";
        return sale.confirm() == ClientSaleModel::Outcome::Saved;
    };
    const auto putBack = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (!before.contains(entry.path().filename().string())) {
                binaryfile::remove(entry.path());
            }
        }
        for (const auto& [name, text] : before) {
            ASSERT_TRUE(binaryfile::writeNew(folder.path() / name,
                                             std::vector<std::uint8_t>(text.begin(), text.end())));
        }
        state.CaixaDia = caixa;
        records().current() = current;
    };
    const int points = test::countFaultPoints([&] { ASSERT_TRUE(sell()); });
    auto after = test::snapshotOf(folder.path());
    putBack();
    ASSERT_GT(points, 6);

    for (int k = 1; k <= points; ++k) {
        SCOPED_TRACE("write point " + std::to_string(k));
        dialogs.messages.clear();
        test::failAt(k, ENOSPC);

        const bool saved = sell();

        binaryfile::setFaultHook({});
        recoverJournal(folder.path());
        EXPECT_EQ(test::snapshotOf(folder.path()), saved ? after : before);
        if (!saved) {
            EXPECT_EQ(state.CaixaDia, caixa);
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_NE(dialogs.messages[0].text.find("(disco cheio)"), std::string::npos);
        }
        putBack();
    }
}

TEST_F(ClientSaleTest, RefusalsAndAnswersThatStopWriteNothing)
{
    struct Case {
        const char* name;
        PaymentChoice::Option option;
        const char* typed;
        std::optional<msg::Answer> confirmOp;
        ClientSaleModel::Outcome outcome;
        std::vector<std::string> messages;
    };
    using enum ClientSaleModel::Outcome;
    const Case cases[] = {
        {"part, nothing typed", PaymentChoice::Option::PagouParte, " ", {}, FocusValorPago, {}},
        {"part, negative",
         PaymentChoice::Option::PagouParte,
         "-1",
         {},
         Stay,
         {"O valor pago não pode ser negativo."}},
        {"No",
         PaymentChoice::Option::PagouTudo,
         "",
         msg::Answer::No,
         Stay,
         {"Confirma a Operação ?"}},
        {"Cancel",
         PaymentChoice::Option::PagouTudo,
         "",
         msg::Answer::Cancel,
         Stay,
         {"Confirma a Operação ?"}},
    };
    writeClient(1, "Ana", 0, 0);
    for (const Case& c : cases) {
        state.options().ConfirmOp = c.confirmOp.has_value();
        dialogs.answers.clear();
        if (c.confirmOp) {
            dialogs.answers.push_back(*c.confirmOp);
        }
        ClientSaleModel sale(state, showSituation(state, kAna));
        add(sale, "1");
        sale.payment.option = c.option;
        sale.payment.txtValorPago = c.typed;
        dialogs.messages.clear();

        EXPECT_EQ(sale.confirm(), c.outcome) << c.name;

        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.name;
        EXPECT_TRUE(salesBook().empty()) << c.name;
        EXPECT_EQ(client(1).ValorDevido, Money()) << c.name;
        EXPECT_EQ(product(1).Estoque, 10.0f) << c.name;
    }
    // An empty sale is no sale.
    ClientSaleModel empty(state, showSituation(state, kAna));
    EXPECT_EQ(empty.confirm(), ClientSaleModel::Outcome::Stay);
}

} // namespace
} // namespace tavolim::core
