#include "core/printing/ReceiptPrinter.h"

#include "PrintingFixture.h"
#include "core/printing/ReceiptBuilder.h"
#include "core/printing/ReceiptPerson.h"
#include "core/printing/ReceiptText.h"
#include "core/state/Options.h"
#include "core/store/TextHelpers.h"

#include <gtest/gtest.h>

#include <deque>

#include <sstream>
#include <vector>

namespace tavolim::core {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string spaces(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

class ReceiptPrinterTest : public ::testing::Test, public test::PrintingFixture {
protected:
    // A store with a full automatic header, client 1, margin 2, one line above, two below.
    void SetUp() override
    {
        auto& records = state.records();
        auto& store = records.store();
        store.NomeFantasia = "Vídeo Sol";
        store.CGC = "12.345.678/0001-90";
        store.Endereco = "Rua das Flores, 100";
        store.Bairro = "Centro";
        store.CEP = 12345678;
        store.Cidade = "São Paulo";
        store.Telefone = "(11) 5555-1234";
        records.client() = ClientRecord();
        records.client().PrimNome = "Ana";
        records.client().SobreNome = "Souza";
        ASSERT_TRUE(records.writeRecord(FileKind::Clients, 1));
        records.client() = ClientRecord();

        auto& rules = records.rules();
        rules.NumeroRecibo = 41;
        rules.MargemEsq = 2;
        rules.LinhasAcima = 1;
        rules.LinhasAbaixo = 2;
        Options& o = state.options();
        o.CabAuto = true;
        o.ObsPag = "Obrigado!";
        o.NCol = 40;
    }

    // The test receipt as the document lays it out, at width 40 with the fixture's settings.
    static std::string expectedTestReceipt(const std::string& storeName, const std::string& city,
                                           const std::string& debts)
    {
        const std::string rule = "  " + std::string(40, '-') + "\r\n";
        std::ostringstream s;
        s << " \r\n"
          << rule << "  " << spaces(15) << storeName << "\r\n"
          << "  " << spaces(8) << "CGC: 12.345.678/0001-90\r\n"
          << "  " << spaces(6) << "Rua das Flores, 100 - Centro\r\n"
          << "  " << spaces(9) << "12345-678 - " << city << "\r\n"
          << "  " << spaces(13) << "(11) 5555-1234\r\n"
          << rule << "  05/12/2026  14:05h  No.000041#Rec.Teste#\r\n"
          << "  Atendente: Tavolim" << spaces(18) << "\r\n"
          << "  Cliente: 000001\r\n"
          << "  Titular: Ana Souza\r\n"
          << rule << "          Fitas Locadas     R$    0,00\r\n"
          << "         Outros " << debts << "     R$    0,00\r\n"
          << "                  Total     R$    0,00\r\n"
          << "             Valor Pago     R$    0,00\r\n"
          << "           Valor Devido     R$    0,00\r\n"
          << " \r\n"
          << "  Obrigado! \r\n"
          << "    Ass.:_______________________________  \r\n"
          << rule << " \r\n \r\n";
        return s.str();
    }
};

TEST_F(ReceiptPrinterTest, TestReceiptLaysOutTheWholeFrame)
{
    const std::string text = ReceiptBuilder(state).testReceipt();

    EXPECT_EQ(text, expectedTestReceipt("Vídeo Sol", "São Paulo", "Débitos"));
    EXPECT_EQ(state.records().rules().NumeroRecibo, 41) << "the test receipt takes no number";
}

TEST_F(ReceiptPrinterTest, DirectPrintIsByteExact)
{
    Options& o = state.options();
    o.ImpDireto = true;
    o.PortaImp = "/dev/usb/lp0";
    o.CmdImpAntes = ",27,64,";
    o.CmdImpDepois = "29, 86,0";
    rebuildCommandBytes(o);

    for (const bool desacent : {true, false}) {
        o.Desacent = desacent;
        printer.raw.clear();

        ASSERT_TRUE(ReceiptPrinter(state).printTestReceipt());

        ASSERT_EQ(printer.raw.size(), 1u);
        EXPECT_EQ(printer.raw[0].first, "/dev/usb/lp0");
        const std::string body = desacent ? expectedTestReceipt("Video Sol", "Sao Paulo", "Debitos")
                                          : expectedTestReceipt("V\xED"
                                                                "deo Sol",
                                                                "S\xE3o Paulo",
                                                                "D\xE9"
                                                                "bitos");
        std::vector<std::uint8_t> expected = {27, 64};
        expected.insert(expected.end(), body.begin(), body.end());
        expected.insert(expected.end(), {29, 86, 0});
        EXPECT_EQ(printer.raw[0].second, expected) << "Desacent " << desacent;
    }
    EXPECT_EQ(dialogs.shownTexts(), std::vector<std::string>(2, std::string(kRemovePrintout)));
}

TEST_F(ReceiptPrinterTest, TitleOfElevenCharactersFillsTheLineAtBothWidths)
{
    for (const int width : {40, 45}) {
        state.options().NCol = static_cast<std::int16_t>(width);
        state.records().rules().MargemEsq = 0;
        for (const int numbering : {ReceiptBuilder::NewNumber, ReceiptBuilder::CurrentNumber}) {
            const auto lines =
                linesOf(ReceiptBuilder(state).header("#Pagamento#", nullptr, numbering));

            ASSERT_GE(lines.size(), 10u);
            EXPECT_EQ(lines[8].size(), static_cast<std::size_t>(width)) << lines[8];
            EXPECT_TRUE(lines[8].ends_with("#Pagamento#")) << lines[8];
        }
    }
    state.options().NCol = 45;
    const auto lines = linesOf(ReceiptBuilder(state).header("#X#", nullptr, 2));
    EXPECT_EQ(lines[8], "05/12/2026  14:05h      #X#") << "no number, four spaces";

    settings.write("Tavolim", "Opções", "NCol", "50");
    state.loadOptions();
    EXPECT_EQ(linesOf(ReceiptBuilder(state).header("#T#", nullptr, 2))[1], std::string(40, '-'))
        << "a width stored as 50 prints at 40";
}

TEST_F(ReceiptPrinterTest, NumberingTakesSavesReprintsOrOmits)
{
    struct Case {
        int numbering;
        std::int32_t after;
        const char* shown; // in the title line
    };
    const Case cases[] = {
        {ReceiptBuilder::NewNumber, 42, " No.000042#T#"},
        {ReceiptBuilder::CurrentNumber, 42, " No.000042#T#"},
        {7, 42, "14:05h #T#"},
        {ReceiptBuilder::NewNumber, 43, " No.000043#T#"},
    };
    for (const Case& c : cases) {
        const std::string text = ReceiptBuilder(state).header("#T#", nullptr, c.numbering);

        EXPECT_NE(text.find(c.shown), std::string::npos) << c.shown;
        EXPECT_EQ(state.records().rules().NumeroRecibo, c.after);
        EXPECT_EQ(rulesOnDisk().NumeroRecibo, c.after) << "written as soon as it is taken";
    }
}

TEST_F(ReceiptPrinterTest, ClientLinesForHolderAndDependent)
{
    state.OperadorAtual = 0;
    state.records().rules().MargemEsq = 0;
    const ReceiptPerson client{{12, true}, "Maximiliano Albuquerque Cavalcanti", ""};
    const ReceiptPerson child{{7, false}, client.holderName, "João Souza"};

    const auto holder = linesOf(ReceiptBuilder(state).header("#T#", &client, 2));
    const auto dependent = linesOf(ReceiptBuilder(state).header("#T#", &child, 2));

    EXPECT_EQ(holder[9], "Atendente: " + spaces(25));
    EXPECT_EQ(holder[10], "Cliente: 000012");
    EXPECT_EQ(holder[11], "Titular: Maximiliano Albuquerque Cavalca") << "cut to 40";
    EXPECT_EQ(holder[12], std::string(40, '-'));
    EXPECT_EQ(dependent[10], "Cliente: 000007  -  Dependente");
    EXPECT_EQ(dependent[11], holder[11]);
    EXPECT_EQ(dependent[12], "Retirou: João Souza");
}

TEST_F(ReceiptPrinterTest, CustomHeaderAndFooterWithoutSignature)
{
    Options& o = state.options();
    o.CabAuto = false;
    o.Cabecalho = "LOCADORA\r\nRua 1";
    o.ObsDev = "Linha 1\r\n\r\nLinha 3";
    o.NCol = 45;
    ReceiptBuilder builder(state);

    EXPECT_EQ(builder.storeHeader(), "  LOCADORA\r\n  Rua 1\r\n");
    EXPECT_EQ(builder.footer("ObsDev", true),
              "  Linha 1\r\n \r\n  Linha 3 \r\n  " + std::string(45, '-') + "\r\n \r\n \r\n");
    EXPECT_EQ(builder.footer("", false),
              "  " + signatureLine(45) + "\r\n  " + std::string(45, '-') + "\r\n \r\n \r\n");
}

TEST_F(ReceiptPrinterTest, CopiesEachTakeTheNextNumber)
{
    for (const int copies : {2, 0, -1}) {
        state.options().NumViasRec = static_cast<std::int16_t>(copies);
        state.records().rules().NumeroRecibo = 100;
        state.saveRules();
        printer.printed.clear();

        const int printed = ReceiptPrinter(state).printCopies(
            "#Pagamento#", nullptr,
            [](const ReceiptBuilder& b) { return b.line(amountLine("Total", Money())); }, "ObsPag");

        const auto expected = static_cast<std::size_t>(std::max(copies, 0));
        EXPECT_EQ(printed, static_cast<int>(expected));
        ASSERT_EQ(printer.printed.size(), expected);
        for (std::size_t i = 0; i < expected; ++i) {
            EXPECT_NE(printer.printed[i].find(" No.00010" + std::to_string(i + 1) + "#Pag"),
                      std::string::npos);
        }
        EXPECT_EQ(rulesOnDisk().NumeroRecibo, 100 + static_cast<int>(expected));
    }
}

TEST_F(ReceiptPrinterTest, PlatformPrinterGetsFontAndPlainText)
{
    Options& o = state.options();
    o.FonteImp = "Courier New";
    o.TamFonte = 9;
    o.Desacent = true;
    o.CmdImpAntes = "27";
    rebuildCommandBytes(o);

    ASSERT_TRUE(ReceiptPrinter(state).printText("Ação"));

    ASSERT_EQ(printer.printed, std::vector<std::string>{"Acao"});
    EXPECT_EQ(printer.fonts[0], std::make_pair(std::string("Courier New"), 9));
}

TEST_F(ReceiptPrinterTest, FailedPrintSaysWhyAndOffersSetUpOrPdf)
{
    struct Case {
        bool direct;
        std::deque<int> choices; // the operator's buttons on each failure; none = Esc
        bool setUpWorks;
        bool pdfWorks;
        const char* pdfWhy;
        int printed;
        std::size_t pdfs;
        std::size_t failures; // how many times the operator was told
    };
    const Case cases[] = {
        {false, {}, false, false, "", 0, 0, 1},
        {true, {}, false, false, "", 0, 0, 1},
        // Configurar Impressora with a printer chosen prints every copy.
        {false, {1}, true, false, "", 3, 0, 1},
        // The set-up cancelled gives up.
        {false, {1}, false, false, "", 0, 0, 1},
        // A PDF is one copy; direct printing offers it first.
        {false, {2}, false, true, "", 1, 1, 1},
        {true, {1}, false, true, "", 1, 1, 1},
        {true, {2}, false, true, "", 0, 0, 1},
        // A cancelled file name says nothing more; a file not written says why.
        {false, {2}, false, false, "", 0, 0, 1},
        {false, {2}, false, false, "não há espaço livre no disco", 0, 0, 2},
    };
    state.options().NumViasRec = 3;
    printer.why = "nenhuma impressora está configurada neste computador";
    for (const Case& c : cases) {
        state.options().ImpDireto = c.direct;
        printer.fail = true;
        printer.setUpWorks = c.setUpWorks;
        printer.pdfWorks = c.pdfWorks;
        printer.pdfWhy = c.pdfWhy;
        printer.printed.clear();
        printer.raw.clear();
        printer.pdfs.clear();
        dialogs.messages.clear();
        dialogs.choices = c.choices;

        const int printed = ReceiptPrinter(state).printCopies(
            "#T#", nullptr, [](const ReceiptBuilder&) { return std::string(); }, "");

        EXPECT_EQ(printed, c.printed) << c.direct << c.choices.size();
        EXPECT_EQ(printer.pdfs.size(), c.pdfs);
        EXPECT_EQ(printer.printed.size() + printer.raw.size(),
                  static_cast<std::size_t>(c.printed) - c.pdfs);
        // A receipt saved as a PDF says where.
        ASSERT_EQ(dialogs.messages.size(), c.failures + c.pdfs);
        if (c.pdfs > 0) {
            EXPECT_EQ(dialogs.messages.back().text, "O recibo foi salvo no arquivo recibo.pdf.");
        }
        const std::string first =
            c.direct ? "Não foi possível imprimir na porta " + printerPort(state.options()) + "."
                     : "Não foi possível imprimir.";
        EXPECT_EQ(dialogs.messages[0].text,
                  first + "\nMotivo: nenhuma impressora está configurada neste computador." +
                      (c.direct ? "\n\nConfira a porta em Arquivo > Configurar Recibos, ou "
                                  "salve o recibo em PDF."
                                : "\n\nConfigure uma impressora, ou salve o recibo em PDF."));
    }
}

TEST_F(ReceiptPrinterTest, DebuggingShowsTheTextInsteadOfPrinting)
{
    state.options().IsDebugging = true;
    state.options().ImpDireto = true;
    std::vector<std::string> shown;
    state.showText = [&](const std::string& text) { shown.push_back(text); };

    ASSERT_TRUE(ReceiptPrinter(state).printFramed("  corpo\r\n", "#Lista#"));

    ASSERT_EQ(shown.size(), 1u);
    const std::string rule = "  " + std::string(40, '-') + "\r\n";
    EXPECT_NE(shown[0].find("h #Lista#\r\n  Atendente: Tavolim"), std::string::npos);
    EXPECT_NE(shown[0].find(rule + "  corpo\r\n  " + signatureLine(40) + "\r\n" + rule),
              std::string::npos);
    EXPECT_TRUE(printer.raw.empty());
    EXPECT_EQ(rulesOnDisk().NumeroRecibo, 0) << "a framed text takes no number";
}

TEST(ReceiptText, MoneyFieldIsEightWideAndNeverCut)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {1234560, "1.234,56"},
        {12345500, "12.345,50"},
        {-1500, "   -1,50"},
        {5, "    0,01"},
    };
    for (const auto& [thousandths, expected] : cases) {
        EXPECT_EQ(moneyField(Money::fromThousandths(thousandths)), expected) << thousandths;
    }
}

} // namespace
} // namespace tavolim::core
