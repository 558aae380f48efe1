#include "core/counter/ClientNavigation.h"
#include "core/counter/CounterFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tavolim::core {
namespace {

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
