#include "ToolRun.h"
#include "core/books/BookRecords.h"
#include "core/books/Histories.h"
#include "core/store/BinaryFile.h"

#include <string>
#include <vector>

namespace tavolim::cli {
namespace {

class BookDumpTest : public ToolTestBase {
protected:
    BookDumpTest() { tool({"init"}); }
};

TEST_F(BookDumpTest, BooksDumpEveryRecordAsStoredAndHistoriesOneNumberAtATime)
{
    core::TapeBookRecord rental;
    rental.Fita = 12;
    rental.Cliente = 3;
    rental.Dependente = -1;
    rental.DataLoc = 4122026;
    rental.Valor = core::Money::fromCents(350);
    core::binaryfile::writeAt(temp.path() / "LivroFts.tvl", 24, rental.encoded());
    core::ReturnedTapeRecord returned;
    returned.setBookRecord(40000);
    core::binaryfile::writeAt(temp.path() / "FitasDev.tvl", 0, returned.encoded());
    std::int32_t book = 2;
    const std::int16_t tapes[] = {12};
    core::Histories(temp.path()).appendTapeHistory(2, tapes, book);

    const auto all = tool({"dump", "livro-fitas"});
    const auto second = tool({"dump", "livro-fitas", "2"});
    const auto log = tool({"dump", "fitas-dev"});
    const auto header = tool({"dump", "pos-livro-fitas"});
    const auto history = tool({"dump", "hist-fita", "2"});
    const auto fresh = tool({"dump", "hist-prod", "9"});

    ASSERT_EQ(all.lines().size(), 2u);
    EXPECT_EQ(second.lines().at(0), all.lines()[1]);
    EXPECT_EQ(second.lines()[0]["Fita"], 12);
    EXPECT_EQ(second.lines()[0]["Dependente"], -1);
    EXPECT_EQ(second.lines()[0]["Valor"], 3.5);
    EXPECT_EQ(second.lines()[0]["DataDev"], 0);
    EXPECT_EQ(log.lines().at(0)["RegLivro"], static_cast<std::int16_t>(40000));
    EXPECT_EQ(header.lines().size(), 1u);
    EXPECT_EQ(header.lines()[0]["QtdRegs"], 0);
    EXPECT_EQ(history.lines().at(0)["Fita"][1], 12);
    EXPECT_EQ(history.lines()[0]["RegLivro"][0], 2);
    EXPECT_EQ(history.lines()[0]["RegLivro"][1], 2);
    EXPECT_EQ(fresh.code, 0);
    EXPECT_EQ(fresh.lines().at(0)["Produto"].size(), 100u);
}

TEST_F(BookDumpTest, AMissingRecordOrHistoryNumberIsRefused)
{
    struct Case {
        std::vector<std::string> args;
        int code;
    };
    const std::vector<Case> cases = {
        {{"dump", "caixa", "2"}, 1},
        {{"dump", "livro-caixa", "0"}, 1},
        {{"dump", "hist-fita"}, 2},
        {{"dump", "hist-prod", "0"}, 1},
        {{"dump", "livro-fita"}, 2},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1]);

        const auto r = tool(c.args);

        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.lines().empty());
        EXPECT_FALSE(r.err.empty());
    }
}

} // namespace
} // namespace tavolim::cli
