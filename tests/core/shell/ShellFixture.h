#pragma once

#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "core/shell/Operators.h"
#include "core/store/GeneralRulesRecord.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolim::test {

// A new installation with its state loaded, and helpers to set up the operator table.
class ShellFixture : public ::testing::Test, protected FakeStore {
protected:
    struct Operator {
        std::string name;
        std::string password;
        int level;
    };

    void SetUp() override
    {
        ASSERT_TRUE(core::createNewInstallation(folder.path(), clock.date));
        state.loadOptions();
    }

    core::GeneralRulesRecord& rules() { return state.records().rules(); }

    void setOperators(const std::vector<Operator>& operators)
    {
        auto& r = rules();
        r.NumOperadores = static_cast<std::int16_t>(operators.size());
        for (std::size_t i = 0; i < operators.size(); ++i) {
            r.NomeOperador[i] = operators[i].name;
            r.NivelOperador[i] = static_cast<std::int16_t>(operators[i].level);
            core::storePassword(r, static_cast<int>(i + 1), operators[i].password);
        }
    }

};

} // namespace tavolim::test
