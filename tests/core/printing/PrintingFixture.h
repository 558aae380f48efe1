#pragma once

#include "core/store/RecordStore.h"
#include "support/FakeStore.h"

#include <chrono>

namespace tavolim::test {

// A new installation with fake ports, operator 1 ("Tavolim") logged in, at 14:05 on
// 05/12/2026.
struct PrintingFixture : InstalledStore {
    PrintingFixture()
    {
        clock.now = std::chrono::minutes{14 * 60 + 5};
        state.OperadorAtual = 1;
    }

    // The general rules record as it is on disk.
    core::GeneralRulesRecord rulesOnDisk()
    {
        core::RecordStore store(folder.path());
        store.readRecord(core::FileKind::GeneralRules, 1, true);
        return store.rules();
    }
};

} // namespace tavolim::test
