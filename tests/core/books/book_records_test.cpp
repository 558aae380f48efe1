#include "core/books/BookRecords.h"
#include "core/books/HistoryRecords.h"
#include "core/store/DailyTotalsRecord.h"
#include "support/LayoutChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tavolim::core {
namespace {

struct LayoutCase {
    const char* record;
    std::size_t size;
    test::LayoutChecker layout;
    std::vector<std::pair<std::string, long>> offsets;
};

template <class R>
LayoutCase layoutCase(const char* name, std::vector<std::pair<std::string, long>> offsets)
{
    return {name, R::Size, test::layoutOf<R>(), std::move(offsets)};
}

TEST(BookRecords, FieldsTileTheDocumentedLayouts)
{
    const std::vector<LayoutCase> cases = {
        layoutCase<PositionRecord>("PosLivFt", {{"PrimeiroReg", 0}, {"QtdRegs", 4}}),
        layoutCase<TapeBookRecord>("LivroFts", {{"Dependente", 4},
                                                {"DataLoc", 6},
                                                {"Valor", 10},
                                                {"DataDev", 14},
                                                {"QtdDiarias", 18},
                                                {"ValorDev", 20}}),
        layoutCase<ReturnedTapeRecord>("FitasDev", {{"RegLivro", 0}}),
        layoutCase<SaleBookRecord>("LivroCx", {{"Produto", 4}, {"Qtd", 6}, {"PrecoUnit", 8}}),
        layoutCase<DailyTotalsRecord>("Caixa", {{"FitasLocadas", 4},
                                                {"NumVendas", 8},
                                                {"ItensVendidos", 10},
                                                {"LocPago", 14},
                                                {"Pagamentos", 34},
                                                {"Entrada", 46}}),
        layoutCase<TapeHistoryRecord>("HistFita", {{"Fita", 0}, {"RegLivro", 200}}),
        layoutCase<ProductHistoryRecord>(
            "HistProd", {{"Data", 0}, {"Produto", 400}, {"Qtd", 600}, {"Valor", 800}}),
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);

        const std::string fault = c.layout.tilingFault(c.size);

        EXPECT_EQ(fault, "");
        for (const auto& [field, offset] : c.offsets) {
            EXPECT_EQ(c.layout.offsetOf(field), offset) << field;
        }
    }
}

TEST(BookRecords, DailyTotalsHeaderKeepsItsBaseInTheTapeAndSaleCounters)
{
    using namespace std::chrono;
    const auto base = year{2025} / February / day{28};

    const auto bytes = DailyTotalsRecord::header(base).encoded();
    DailyTotalsRecord back;
    back.decode(bytes);

    EXPECT_EQ(bytes[4], 28);
    EXPECT_EQ(bytes[6], 2);
    EXPECT_EQ(bytes[8] | (bytes[9] << 8), 2025);
    EXPECT_EQ(back.headerDate(), base);

    // A day or month that only wraps into range (257 is 1 in one byte) is no date.
    for (const auto& [d, m] : {std::pair{257, 1}, std::pair{1, 257}, std::pair{32, 1}}) {
        DailyTotalsRecord damaged;
        damaged.FitasLocadas = static_cast<std::int16_t>(d);
        damaged.FitasDevolvidas = static_cast<std::int16_t>(m);
        damaged.NumVendas = 2026;
        EXPECT_FALSE(damaged.headerDate()) << d << "/" << m;
    }
}

TEST(BookRecords, ReturnLogReachesPastTheSignedIntRange)
{
    const std::vector<std::int32_t> bookRecords = {1, 32767, 32768, 65535};

    for (const auto n : bookRecords) {
        ReturnedTapeRecord entry;
        entry.setBookRecord(n);
        ReturnedTapeRecord back;
        back.decode(entry.encoded());

        EXPECT_EQ(back.bookRecord(), n);
    }
}

} // namespace
} // namespace tavolim::core
