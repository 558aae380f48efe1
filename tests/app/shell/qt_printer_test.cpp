#include "app/shell/QtPrinter.h"

#include "support/TempDataFolder.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <vector>

namespace tavolim::app {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(QtPrinter, RawBytesAreAppendedUntouchedOrRefused)
{
    const test::TempDataFolder folder;
    const std::string port = folder.file("porta").string();
    // ESC @, NUL, a lone CR and high bytes are printer commands and must pass as they are.
    const std::vector<std::uint8_t> first = {0x1B, 0x40, 0x00, 'O', 'K', '\r', '\n', 0xFF};
    const std::vector<std::uint8_t> second = {0x0C, 0x80};
    QtPrinter printer;

    EXPECT_TRUE(printer.writeRaw(port, first));
    EXPECT_TRUE(printer.writeRaw(port, second));
    const std::string missing = (folder.path() / "sem" / "porta").string();
    EXPECT_FALSE(printer.writeRaw(missing, first));
    EXPECT_EQ(printer.lastError(), "a porta " + missing + " não existe neste computador");
    EXPECT_FALSE(printer.writeRaw(folder.path().string(), first));
    EXPECT_EQ(printer.lastError(),
              folder.path().string() + " é uma pasta, não uma porta de impressora");
    EXPECT_TRUE(printer.writeRaw(port, {}));
    EXPECT_EQ(printer.lastError(), "");

    EXPECT_EQ(fileText(port), std::string("\x1B@\0OK\r\n\xFF\x0C\x80", 10));
}

TEST(QtPrinter, NoPrinterChosenSaysSo)
{
    QtPrinter printer;
    printer.device().setOutputFormat(QPrinter::PdfFormat);
    printer.device().setOutputFileName({});

    EXPECT_FALSE(printer.printText("Linha", "Courier New", 10));

    EXPECT_EQ(printer.lastError().rfind("nenhuma impressora ", 0), 0u) << printer.lastError();
}

TEST(QtPrinter, TextRunsOntoAsManyPagesAsItNeeds)
{
    const test::TempDataFolder folder;
    const std::regex page(R"(/Type\s*/Page[^s])");

    for (const int lines : {3, 400}) {
        const fs::path pdf = folder.path() / ("linhas" + std::to_string(lines) + ".pdf");
        QtPrinter printer;
        printer.device().setOutputFormat(QPrinter::PdfFormat);
        printer.device().setOutputFileName(QString::fromStdString(pdf.string()));
        std::string text;
        for (int i = 1; i <= lines; ++i) {
            text += "Linha\t" + std::to_string(i) + "\r\n";
        }

        EXPECT_TRUE(printer.printText(text, "Courier New", 10));

        const std::string out = fileText(pdf);
        const auto pages = std::distance(std::sregex_iterator(out.begin(), out.end(), page),
                                         std::sregex_iterator());
        EXPECT_EQ(pages > 1, lines > 60) << lines << " lines on " << pages << " pages";
    }
}

} // namespace
} // namespace tavolim::app
