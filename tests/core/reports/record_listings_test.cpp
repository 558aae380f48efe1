#include "core/reports/RecordListings.h"

#include "core/printing/ReceiptText.h"
#include "core/reports/ReportsFixture.h"

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using Rows = std::vector<ListRow>;

std::vector<std::string> splitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<sem CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Characters [from, to) of a UTF-8 text.
std::string chars(const std::string& text, std::size_t from, std::size_t to)
{
    return cutChars(text, to).substr(cutChars(text, from).size());
}

// The row cut where each word of the header starts, each piece trimmed: the cells as they
// stand under the header.
std::vector<std::string> cellsUnderHeader(std::string_view header, const std::string& row)
{
    std::vector<std::size_t> starts;
    const std::string h(header);
    for (std::size_t i = 0, c = 0; i < h.size(); ++i) {
        if ((static_cast<unsigned char>(h[i]) & 0xC0) == 0x80) {
            continue;
        }
        if (h[i] != ' ' && (i == 0 || h[i - 1] == ' ')) {
            starts.push_back(c);
        }
        ++c;
    }
    std::vector<std::string> cells;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : charCount(row);
        // A cell is only where its column begins: the character before it is a space.
        const std::string before = starts[k] > 0 ? chars(row, starts[k] - 1, starts[k]) : " ";
        cells.push_back(before == " " ? trim(chars(row, starts[k], end)) : "<desalinhado>");
    }
    return cells;
}

// Fields filled to their widths, so that a column too narrow shows.
class RecordListingsTest : public test::ReportsTest {
protected:
    void SetUp() override
    {
        ReportsTest::SetUp();
        holder(1, "Maximiliano", "Albuquerque de Vasconcelos Cavalcanti", [&](auto& c) {
            c.TelResidencial = "(19)3232-111";
            c.NumFitas = 1;
            c.Fitas[0] = 1;
        });
        dependent(7, 1, "Íris", "Souza", [](auto& d) { d.ValorPago = Money::fromReais(2); });
        tape(1, "Tubarão", [&](auto& t) {
            t.DataBase = daysAgo(3);
            t.DiasBase = 2;
            t.ClienteFita = 1;
            t.ClienteTitular = true;
        });
        product(12, "Refrigerante Laranja 2L x", [](auto& p) {
            p.CodigoBarras = "7894045029958";
            p.Estoque = 1234.5f;
            p.Icms = 17.5f;
            p.ValorCompra = Money::fromReais(1234.56);
            p.Preco = Money::fromReais(2345.5);
        });
        distributor(3, "Paulista Home Vídeo Distribuid", [](auto& d) {
            d.Contato = "Maria Carvalho Nascimento Albuquerq";
            d.Telefone = "(19) 3284-6308";
            d.TelCelular = "99132-5828";
        });
    }

    std::string listing(ReportKind kind, const Rows& rows)
    {
        return listingText(records(), kind, rows, today());
    }
};

TEST_F(RecordListingsTest, TapeLinesHoldEachColumnAtItsWidth)
{
    auto t = TapeRecord{};
    t.Nome = "O Senhor dos Anéis: A Sociedade";
    t.CodigoBarras = "12345678";
    t.Tipo = true;
    struct Case {
        std::string barcode;
        bool out;
        std::int16_t reservations;
        std::string media;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"12345678", true, 2, "VHS",
         "   12345678 O Senhor dos Anéis: A Soc  D  VHS   Catálogo      Aventura        LR"},
        {"", false, 0, "DVD-Rom",
         "   000042   O Senhor dos Anéis: A Soc  D  DVD-R Catálogo      Aventura         "},
        {"  AB1 ", false, 1, "",
         "   AB1      O Senhor dos Anéis: A Soc  D        Catálogo      Aventura         R"},
    };

    for (const Case& c : cases) {
        t.CodigoBarras = c.barcode;
        t.ClienteFita = c.out ? 5 : 0;
        t.NumReservas = c.reservations;

        const std::string line = tapeListingLine(42, t, c.media, "Catálogo", "Aventura");

        EXPECT_EQ(line, c.expected);
    }
}

TEST_F(RecordListingsTest, EveryLineEndsWithCrLfAndEachCellStandsUnderItsHeaderWord)
{
    struct Case {
        ReportKind kind;
        Rows rows;
        std::vector<std::vector<std::string>> cells;
    };
    const std::vector<Case> cases = {
        {ReportKind::Client,
         {{"", 1, 'R'}, {"", 7, 'D'}},
         {{"00001", "R", "Maximiliano Albuquerque de Vasconcelos C", "(19)3232-111", "Atr"},
          {"00007", "D", "Íris Souza", "", "Sld"}}},
        {ReportKind::Tape, {{"", 1}}, {{"000001", "Tubarão", "L", "VHS", "Catálogo", "Ação", "L"}}},
        {ReportKind::Product,
         {{"", 12}},
         {{"000012", "Refrigerante Laranja 2L x", "7894045029958", "1234,5", "17,5", "1.234,56",
           "2.345,50"}}},
        {ReportKind::Distributor,
         {{"", 3}},
         {{"Paulista Home Vídeo Distribuid", "Maria Carvalho Nascimento Albuquerq",
           "(19) 3284-6308 / 99132-5828"}}},
    };

    for (const Case& c : cases) {
        const auto lines = splitCrLf(listing(c.kind, c.rows));

        ASSERT_EQ(lines.size(), 2 + c.rows.size()) << listingHeader(c.kind);
        EXPECT_EQ(lines[0], listingHeader(c.kind));
        EXPECT_EQ(
            lines[1],
            std::string(c.kind == ReportKind::Client ? 75 : charCount(listingHeader(c.kind)), '_'));
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            EXPECT_EQ(cellsUnderHeader(lines[0], lines[2 + i]), c.cells[i]) << lines[2 + i];
        }
    }
}

TEST_F(RecordListingsTest, RowsKeepTheWindowsOrderAndRecordsDeletedSinceAreLeftOut)
{
    holder(2, "Bia", "Reis");
    tape(2, "Alien");
    markDeleted<ClientRecord>(1);

    const auto people = splitCrLf(
        listing(ReportKind::Client, {{"", 7, 'D'}, {"", 1, 'R'}, {"", 2, 'R'}, {"", 40, 'R'}}));
    const auto tapes = splitCrLf(listing(ReportKind::Tape, {{"", 2}, {"", 1}}));

    ASSERT_EQ(people.size(), 4u);
    EXPECT_TRUE(people[2].starts_with("   00007  D    Íris Souza ")) << people[2];
    EXPECT_TRUE(people[3].starts_with("   00002  R    Bia Reis ")) << people[3];
    ASSERT_EQ(tapes.size(), 4u);
    EXPECT_TRUE(tapes[2].starts_with("   000002   Alien ")) << tapes[2];
    EXPECT_TRUE(tapes[3].starts_with("   000001   Tubarão ")) << tapes[3];
}

} // namespace
} // namespace tavolim::core
