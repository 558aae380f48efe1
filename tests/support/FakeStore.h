#pragma once

#include "core/state/AppState.h"
#include "core/store/GeneralRulesRecord.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <chrono>
#include <string>
#include <vector>

namespace tavolim::test {

// A fresh data folder, every port faked, and the process state over them. Fixtures derive
// from it to reach the fakes by name.
struct FakeStore {
    TempDataFolder folder;
    ScriptedDialogs dialogs;
    FixedClock clock;
    MemorySettings settings;
    RecordingPrinter printer;
    RecordingProgress progress;
    RecordingLauncher launcher;
    core::AppState state{folder.path(), {dialogs, clock, settings, printer, progress, launcher}};
};

// A FakeStore over a new installation made on `day`, which the clock reads too, with the
// options loaded.
struct InstalledStore : FakeStore {
    explicit InstalledStore(std::chrono::year_month_day day = FixedClock{}.date);
};

struct OperatorRow {
    std::string name;
    std::string password;
    int level;
};

// Replaces the operator table of the rules record in memory.
void setOperators(core::GeneralRulesRecord& rules, const std::vector<OperatorRow>& operators);

} // namespace tavolim::test
