#include "support/FakeStore.h"

#include "core/shell/NewInstallation.h"
#include "core/state/Operators.h"

#include <gtest/gtest.h>

namespace tavolim::test {

InstalledStore::InstalledStore(std::chrono::year_month_day day)
{
    clock.date = day;
    EXPECT_TRUE(core::createNewInstallation(folder.path(), day));
    state.loadOptions();
}

void setOperators(core::GeneralRulesRecord& rules, const std::vector<OperatorRow>& operators)
{
    rules.NumOperadores = static_cast<std::int16_t>(operators.size());
    for (std::size_t i = 0; i < operators.size(); ++i) {
        rules.NomeOperador[i] = operators[i].name;
        rules.NivelOperador[i] = static_cast<std::int16_t>(operators[i].level);
        core::storePassword(rules, static_cast<int>(i + 1), operators[i].password);
    }
}

} // namespace tavolim::test
