#include "core/counter/PersonHistory.h"

#include "core/books/Histories.h"
#include "core/counter/ClientNavigation.h"
#include "core/counter/CounterFixture.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

namespace tavolim::core {
namespace {

using test::reais;

class PersonHistoryTest : public test::CounterTest {};

TEST_F(PersonHistoryTest, EmptyHistoriesOnlyTellTheOperator)
{
    writeClient(1, "Ana", 0, 0);

    EXPECT_FALSE(tapeHistoryListing(state, {1, true}));
    EXPECT_FALSE(productHistoryListing(state, {1, true}));
    EXPECT_EQ(dialogs.shownTexts(),
              (std::vector<std::string>{"O histórico de fitas locadas está vazio.",
                                        "O histórico de vendas do cliente está vazio."}));
}

TEST_F(PersonHistoryTest, ListsTheDependentsEntriesOldestFirst)
{
    writeClient(1, "Ana", 0, 0);
    writeDependent(1, 1, "Bia", 0, 0);
    writeTape(3, 1);
    writeTape(5, 1);
    records().product() = ProductRecord{};
    records().product().Descricao = "Pipoca";
    ASSERT_TRUE(records().writeRecord(FileKind::Products, 2));
    const Histories histories(folder.path());
    auto& d = dependent(1);
    d.RegHistFita = allocateHistory(records(), FileKind::TapeHistory);
    d.RegHistProd = allocateHistory(records(), FileKind::ProductHistory);
    ASSERT_TRUE(records().writeRecord(FileKind::Dependents, 1));
    std::int32_t book = 1;
    const std::array<std::int16_t, 2> rented{5, 3};
    ASSERT_TRUE(histories.appendTapeHistory(d.RegHistFita, rented, book));
    ASSERT_TRUE(histories.appendProductHistory(d.RegHistProd, 2, 3, reais(1.5), clock.date));

    const auto tapes = tapeHistoryListing(state, {1, false});
    const auto products = productHistoryListing(state, {1, false});

    ASSERT_TRUE(tapes && products);
    EXPECT_EQ(tapes->heading, "Cliente: Bia Silva");
    EXPECT_EQ(tapes->lines, (std::vector<std::string>{"5 - Fita 5", "3 - Fita 3"}));
    EXPECT_EQ(products->lines, std::vector<std::string>{"05/12/2026 2 - Pipoca 3 x 1,50"});
}

class ClientNavigationTest : public test::CounterTest {};

TEST_F(ClientNavigationTest, MovesPassOverDeletedClientsAndStopAtTheEnds)
{
    for (std::int16_t code = 1; code <= 5; ++code) {
        writeClient(code, code == 2 || code == 5 ? "#Apagado" : "Ana", 0, 0);
    }
    struct Case {
        ClientMove move;
        std::int16_t from;
        std::optional<std::int16_t> to;
    };
    const std::vector<Case> cases = {
        {ClientMove::First, 4, 1},      {ClientMove::Next, 1, 3},
        {ClientMove::Next, 0, 1},       {ClientMove::Next, 4, std::nullopt},
        {ClientMove::Previous, 3, 1},   {ClientMove::Previous, 1, std::nullopt},
        {ClientMove::Previous, 200, 4}, {ClientMove::Last, 1, 4},
    };

    for (const auto& c : cases) {
        const auto to = moveClient(records(), c.move, c.from);

        EXPECT_EQ(to, c.to) << static_cast<int>(c.move) << " from " << c.from;
    }
}

} // namespace
} // namespace tavolim::core
