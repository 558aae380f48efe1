#pragma once

#include "core/shell/AppState.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

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

} // namespace tavolim::test
