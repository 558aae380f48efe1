#include "core/sales/StockEntry.h"

#include "core/sales/ProductLookup.h"
#include "core/sales/SalesFixture.h"
#include "core/store/BinaryFile.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tavolim::core {
namespace {

class StockEntryTest : public test::SalesTest {
protected:
    void list(StockEntryModel& entry, const char* typed, bool byName = false)
    {
        entry.optCodBarras = !byName;
        entry.txtCodProd = typed;
        ASSERT_TRUE(entry.find()) << typed;
    }

    StockEntryModel::EntryOutcome enter(StockEntryModel& entry, std::size_t row, const char* units)
    {
        entry.txtEntrada = units;
        return entry.enter(row);
    }

    float stock(std::int16_t code) { return product(code).Estoque; }
};

TEST_F(StockEntryTest, TenUnitsOnAStockOfFiveWriteFifteenAtOnce)
{
    writeProduct(4, "Chocolate", 2, 5, "12345");
    StockEntryModel entry(state);
    list(entry, "12345");
    EXPECT_EQ(entry.lblDados(), "0 Produtos Adicionados / 1 Categoria");

    EXPECT_EQ(enter(entry, 0, "10"), StockEntryModel::EntryOutcome::Written);

    EXPECT_EQ(stock(4), 15.0f);
    EXPECT_EQ(entry.rowTexts(0), (std::array<std::string, 4>{"1", "12345", "Chocolate", "15"}));
    EXPECT_EQ(entry.lblDados(), "10 Produtos Adicionados / 1 Categoria");
    EXPECT_TRUE(entry.txtEntrada.empty());
}

TEST_F(StockEntryTest, LookUpByBarcodeOrNameRefusesWhatCannotBeListed)
{
    writeProduct(4, "#Velho", 1, 1);
    writeProduct(5, "Bala", 0.1, 3, "2");
    struct Case {
        const char* typed;
        bool byName;
        std::optional<std::int16_t> listed;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"7891234567890", false, 3, {}},
        {"2", false, 5, {}}, // a barcode before a record number
        {"1", false, 1, {}},
        {"1", false, std::nullopt, {kAlreadyListed}},
        {"0", false, std::nullopt, {kBadProductCode}},
        {"9", false, std::nullopt, {kBadProductCode}},
        {"4", false, std::nullopt, {kDeletedProduct}},
        {"refri", true, std::nullopt, {"Nenhum produto encontrado com este nome."}},
        {"*refri", true, 2, {}},
        {"", false, std::nullopt, {}},
    };
    StockEntryModel entry(state);
    std::vector<std::int16_t> listed;
    for (const Case& c : cases) {
        dialogs.messages.clear();
        entry.optCodBarras = !c.byName;
        entry.txtCodProd = c.typed;

        EXPECT_EQ(entry.find(), c.listed.has_value()) << c.typed;

        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.typed;
        if (c.listed) {
            listed.push_back(*c.listed);
        }
    }
    std::vector<std::int16_t> lines;
    for (const auto& l : entry.lines()) {
        lines.push_back(l.product);
    }
    EXPECT_EQ(lines, listed);
    EXPECT_EQ(entry.lblDados(), "0 Produtos Adicionados / 4 Categorias");
}

TEST_F(StockEntryTest, EntriesTypedAreCheckedBeforeAnythingIsWritten)
{
    writeProduct(4, "Quase cheio", 1, 32760);
    struct Case {
        std::size_t row;
        const char* typed;
        StockEntryModel::EntryOutcome outcome;
        std::vector<std::string> messages;
    };
    using enum StockEntryModel::EntryOutcome;
    const Case cases[] = {
        {0, "0", Nothing, {}},
        {0, "", Nothing, {}},
        {5, "3", Nothing, {}},
        {0, "dez", Refused, {"A entrada deve ser um número inteiro de unidades."}},
        {0, "1,5", Refused, {"A entrada deve ser um número inteiro de unidades."}},
        {0, "-3", Refused, {"A entrada não pode ser negativa."}},
        {0, "32768", Refused, {"A entrada não pode passar de 32767 unidades."}},
        {1,
         "8",
         Refused,
         {"O estoque deste produto passaria do limite de 32767 unidades.\nNada foi gravado."}},
        {1, "7", Written, {}},
    };
    StockEntryModel entry(state);
    list(entry, "1");
    list(entry, "4");
    for (const Case& c : cases) {
        const auto before = binaryfile::readAll(folder.file("DadosPrd.tvl"));
        dialogs.messages.clear();

        EXPECT_EQ(enter(entry, c.row, c.typed), c.outcome) << c.typed;

        EXPECT_EQ(dialogs.shownTexts(), c.messages) << c.typed;
        if (c.outcome != Written) {
            EXPECT_EQ(binaryfile::readAll(folder.file("DadosPrd.tvl")), before) << c.typed;
        }
    }
    EXPECT_EQ(stock(4), 32767.0f);
    EXPECT_EQ(entry.units(), 7);
}

TEST_F(StockEntryTest, UnitsEnteredInOneWindowStopAt32767)
{
    for (std::int16_t code = 4; code <= 6; ++code) {
        writeProduct(code, "Caixa " + std::to_string(code), 1, -20000);
    }
    StockEntryModel entry(state);
    for (const char* code : {"4", "5", "6"}) {
        list(entry, code);
    }
    ASSERT_EQ(enter(entry, 0, "20000"), StockEntryModel::EntryOutcome::Written);
    ASSERT_EQ(enter(entry, 1, "12767"), StockEntryModel::EntryOutcome::Written);

    EXPECT_EQ(enter(entry, 2, "1"), StockEntryModel::EntryOutcome::Refused);

    EXPECT_EQ(dialogs.shownTexts().back(),
              "O total de unidades adicionadas passaria de 32767.\nNada foi gravado.");
    EXPECT_EQ(stock(6), -20000.0f);
    EXPECT_EQ(entry.units(), 32767);
}

TEST_F(StockEntryTest, ASecondEntryCorrectsTheFirstAndRemovingUndoesIt)
{
    // Every step leaves the product file at the stock before plus the entries listed.
    struct Step {
        const char* name;
        std::function<void(StockEntryModel&)> act;
        float pipoca, refrigerante;
        int units;
        std::size_t lines;
    };
    const std::vector<Step> steps = {
        {"100 typed for 10", [&](auto& e) { enter(e, 0, "100"); }, 110, 5, 100, 2},
        {"corrected to 10", [&](auto& e) { enter(e, 0, "10"); }, 20, 5, 10, 2},
        {"3 more elsewhere", [&](auto& e) { enter(e, 1, "3"); }, 20, 8, 13, 2},
        {"a count typed in the grid", [&](auto& e) { e.editStock(0, "18"); }, 18, 8, 11, 2},
        {"an empty cell", [&](auto& e) { e.editStock(0, " "); }, 18, 8, 11, 2},
        {"a count below zero", [&](auto& e) { e.editStock(1, "-2"); }, 18, -2, 1, 2},
        {"removal refused",
         [&](auto& e) {
             dialogs.answers = {msg::Answer::No};
             e.remove(0);
         },
         18, -2, 1, 2},
        {"removal undoes the entry",
         [&](auto& e) {
             dialogs.answers = {msg::Answer::Yes};
             e.remove(0);
         },
         10, -2, -7, 1},
    };
    StockEntryModel entry(state);
    list(entry, "1");
    list(entry, "2");
    for (const Step& s : steps) {
        s.act(entry);

        EXPECT_EQ(std::tuple(stock(1), stock(2), entry.units(), entry.lines().size()),
                  std::tuple(s.pipoca, s.refrigerante, s.units, s.lines))
            << s.name;
    }
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{
                  kBlankStock,
                  "Tirar o produto da lista desfaz a entrada de 8 unidades no estoque.\nDeseja "
                  "continuar ?",
                  "Tirar o produto da lista desfaz a entrada de 8 unidades no estoque.\nDeseja "
                  "continuar ?"}));
    // A line without an entry goes at once.
    list(entry, "3");
    dialogs.messages.clear();
    EXPECT_TRUE(entry.remove(1));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StockEntryTest, AFailedWriteLeavesTheLineAsItWas)
{
    StockEntryModel entry(state);
    list(entry, "1");
    binaryfile::setFaultHook(
        [](const std::filesystem::path& p) { return p.filename() == "DadosPrd.tvl" ? ENOSPC : 0; });

    const auto outcome = enter(entry, 0, "5");
    binaryfile::setFaultHook({});

    EXPECT_EQ(outcome, StockEntryModel::EntryOutcome::Refused);
    EXPECT_EQ(stock(1), 10.0f);
    EXPECT_EQ(std::tuple(entry.units(), entry.lines()[0].entered, entry.txtEntrada),
              std::tuple(0, 0, std::string("5")));
    EXPECT_EQ(
        dialogs.shownTexts().back().rfind("Não foi possível gravar o arquivo 'DadosPrd.tvl'", 0),
        0u);
}

TEST_F(StockEntryTest, TheNoteListsEveryEntryAndItsTotals)
{
    state.options().NCol = 40;
    StockEntryModel entry(state);
    list(entry, "1");
    list(entry, "3");
    enter(entry, 0, "10");
    enter(entry, 1, "2");

    ASSERT_TRUE(entry.printNote());

    const std::string rule = " " + std::string(40, '-') + "\r\n";
    const std::string expected = rule + " LOCADORA SOL\r\n" + rule +
                                 " 05/12/2026  14:00h ENTRADA DE ESTOQUE\r\n"
                                 " Atendente: Tavolim" +
                                 std::string(18, ' ') + "\r\n" + rule +
                                 " 000001 Pipoca\r\n"
                                 "    10 + Entrada:10   =   20\r\n"
                                 " 000003 Fita Virgem\r\n"
                                 "    1 + Entrada:2   =   3\r\n" +
                                 rule +
                                 " 2 Produtos\r\n"
                                 "    Total de Entradas:   12 Unidades\r\n" +
                                 rule + " \r\n";
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0], expected);
    EXPECT_EQ(progress.waits.back(), "Imprimindo Nota...");
    EXPECT_EQ(dialogs.shownTexts().back(), "Não se esqueça de retirar impressão!");
    EXPECT_EQ(records().rules().NumeroRecibo, 41) << "a note takes no receipt number";
}

} // namespace
} // namespace tavolim::core
