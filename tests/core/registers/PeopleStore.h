#pragma once

#include "core/registers/ClientRegister.h"
#include "support/FakeStore.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavolim::test {

using Adjust = std::function<void(core::ClientRecord&, core::DependentRecord&)>;

// A fresh store; family() makes holder 1 "Ana Lima" with dependents 1 "Bia" and 2 "Caio",
// `adjust` then changing the holder and dependent 2 on disk.
struct PeopleStore : InstalledStore {
    void family(const Adjust& adjust = {})
    {
        using core::FileKind;
        core::ClientRegister reg(state);
        dialogs.texts = {"Ana Lima", "Bia Lima", "Caio Lima"};
        ASSERT_TRUE(reg.addHolder());
        ASSERT_TRUE(reg.save());
        ASSERT_EQ(reg.addDependent(), 1);
        ASSERT_EQ(reg.addDependent(), 2);
        auto& records = state.records();
        if (adjust) {
            records.readRecord(FileKind::Clients, 1, true);
            records.readRecord(FileKind::Dependents, 2, true);
            adjust(records.client(), records.dependent());
            records.writeRecord(FileKind::Clients, 1);
            records.writeRecord(FileKind::Dependents, 2);
        }
        dialogs.messages.clear();
    }

    bool deleted(core::FileKind kind, int n) { return state.records().isDeletedOnDisk(kind, n); }
};

} // namespace tavolim::test
