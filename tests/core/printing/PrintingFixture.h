#pragma once

#include "core/shell/AppState.h"
#include "core/shell/NewInstallation.h"
#include "support/Fakes.h"
#include "support/TempDataFolder.h"

#include <chrono>

namespace tavolim::test {

// A new installation with fake ports, operator 1 ("Tavolim") logged in, at 14:05 on
// 05/12/2026.
struct PrintingFixture {
    TempDataFolder folder;
    ScriptedDialogs dialogs;
    FixedClock clock{std::chrono::year{2026} / 12 / 5, std::chrono::minutes{14 * 60 + 5}};
    MemorySettings settings;
    RecordingPrinter printer;
    RecordingProgress progress;
    RecordingLauncher launcher;
    core::AppState state{folder.path(),
                         core::Ports{dialogs, clock, settings, printer, progress, launcher}};

    PrintingFixture()
    {
        core::createNewInstallation(folder.path(), std::chrono::year{2026} / 12 / 5);
        state.loadOptions();
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
