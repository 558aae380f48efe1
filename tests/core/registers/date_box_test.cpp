#include "core/registers/DateBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::core {
namespace {

TEST(DateBox, SwallowsSeparatorsAndPutsTheSlashesItself)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"05031981", "05/03/1981"},
        {"05/03/1981", "05/03/1981"},
        {"5-3.81,", "53/81/"},
        {"050319811999", "05/03/1981"},
    };
    for (const auto& [keys, shown] : cases) {
        std::string box;

        for (const char key : keys) {
            box = typeDateKey(box, key);
        }

        EXPECT_EQ(box, shown) << keys;
    }
}

} // namespace
} // namespace tavolim::core
