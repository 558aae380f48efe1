#include "core/reports/BookForms.h"
#include "core/reports/MonthDeletionForm.h"
#include "core/store/BinaryFile.h"

#include "BookListingFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tavolim::core {
namespace {

using reporttest::dayOf;

// Books from 20/01/2026 to 05/03/2026, a rental and a sale in each month.
class MonthDeletionFormTest : public reporttest::ReportsFixture {
protected:
    MonthDeletionFormTest() : ReportsFixture(dayOf(2026, 1, 20))
    {
        writeTape(1, "Titanic");
        writeClient(1, "Ana", "Silva");
        writeProduct(1, "Pipoca", "");
        for (const auto day : {dayOf(2026, 1, 20), dayOf(2026, 2, 10), dayOf(2026, 3, 5)}) {
            advanceTo(day);
            rent(1, -1, {{1, 300}});
            sell({{1, 1, Money::fromCents(350)}});
        }
    }

    std::vector<bool> selection(const MonthDeletionForm& form) const
    {
        std::vector<bool> out;
        for (int i = 0; i < static_cast<int>(form.lstMes().size()); ++i) {
            out.push_back(form.isSelected(i));
        }
        return out;
    }
};

TEST_F(MonthDeletionFormTest, AClickSelectsThatMonthAndTheOlderOnesButNeverTheCurrent)
{
    struct Case {
        std::vector<int> clicks;
        std::vector<bool> selected;
    };
    const std::vector<Case> cases = {
        {{}, {false, false, false}},      {{1}, {true, true, false}},
        {{1, 0}, {true, false, false}},   {{0, 2}, {true, false, false}},
        {{-1, 7}, {false, false, false}},
    };
    for (const auto& c : cases) {
        MonthDeletionForm form(state, MonthBook::Tapes);

        for (const int i : c.clicks) {
            form.click(i);
        }

        EXPECT_EQ(form.lstMes(), (std::vector<std::string>{"01/2026", "02/2026", "03/2026"}));
        EXPECT_EQ(selection(form), c.selected);
        EXPECT_FALSE(form.selectable(2));
    }
}

TEST_F(MonthDeletionFormTest, DeletingTheOldestMonthsRebuildsTheWindowsLists)
{
    MonthDeletionForm tapes(state, MonthBook::Tapes);
    MonthDeletionForm sales(state, MonthBook::Sales);
    TapeBookForm tapeBook(state);
    SalesBookForm salesBook(state);
    tapeBook.chooseList2(4); // 05/03
    const auto listed = tapeBook.lines().size();
    tapes.click(0);
    sales.click(1);

    const bool nothingChosen = MonthDeletionForm(state, MonthBook::Tapes).excluir();
    const bool cutTapes = tapes.excluir();
    const bool cutSales = sales.excluir();
    tapeBook.monthsDeleted();
    salesBook.monthsDeleted();

    EXPECT_FALSE(nothingChosen);
    EXPECT_EQ(listed, 1u);
    EXPECT_TRUE(cutTapes && cutSales);
    EXPECT_TRUE(tapeBook.lines().empty());
    EXPECT_EQ(tapeBook.periods().list1(), (std::vector<std::string>{"Fev/2026", "Mar/2026"}));
    EXPECT_EQ(salesBook.periods().list1(), (std::vector<std::string>{"Mar/2026"}));
    EXPECT_EQ(MonthDeletionForm(state, MonthBook::Sales).lstMes(),
              std::vector<std::string>{"03/2026"});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MonthDeletionFormTest, AFileThatCannotBeWrittenIsNamedToTheOperator)
{
    // A folder where the cut sales book would be written.
    std::filesystem::create_directories(folder.file("LivroCx.x") / "ocupado");
    std::ofstream(folder.file("LivroCx.x") / "ocupado" / "arquivo") << "x";
    const auto before = binaryfile::readAll(folder.file("LivroCx.tvl"));
    MonthDeletionForm sales(state, MonthBook::Sales);
    sales.click(0);

    const bool done = sales.excluir();

    EXPECT_FALSE(done);
    EXPECT_EQ(binaryfile::readAll(folder.file("LivroCx.tvl")), before);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Não foi possível gravar o arquivo LivroCx.x: ", 0),
              0u);
    EXPECT_EQ(dialogs.messages[0].flags, msg::Critical);
}

} // namespace
} // namespace tavolim::core
