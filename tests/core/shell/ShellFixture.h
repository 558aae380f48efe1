#pragma once

#include "core/store/GeneralRulesRecord.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavolim::test {

// A new installation with its state loaded, and a helper to set up the operator table.
class ShellFixture : public ::testing::Test, protected InstalledStore {
protected:
    using Operator = OperatorRow;

    core::GeneralRulesRecord& rules() { return state.records().rules(); }
    void setOperators(const std::vector<Operator>& operators)
    {
        test::setOperators(rules(), operators);
    }
};

} // namespace tavolim::test
