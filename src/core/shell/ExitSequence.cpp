#include "core/shell/ExitSequence.h"

#include "core/books/DayRoll.h"
#include "core/ports/Backup.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/ports/SettingsStore.h"
#include "core/state/AppState.h"
#include "core/state/Operators.h"
#include "core/store/TextHelpers.h"

#include <string>
#include <utility>

namespace tavolim::core {

namespace {

constexpr int kBackupRow = 1;

unsigned weekdayNumber(std::chrono::year_month_day day)
{
    return std::chrono::weekday{std::chrono::sys_days{day}}.c_encoding() + 1;
}

} // namespace

bool backupDueToday(int flags, std::chrono::year_month_day today,
                    std::optional<std::chrono::year_month_day> lastBackup)
{
    const int n = flags & 15;
    const bool notToday = !lastBackup || *lastBackup != today;
    switch (flags & 48) {
    case 0:
        return notToday;
    case 16:
        return !lastBackup || std::chrono::sys_days{today} >=
                                  std::chrono::sys_days{*lastBackup} + std::chrono::days{n};
    case 32:
        return notToday && weekdayNumber(today) == static_cast<unsigned>(n);
    default:
        return false;
    }
}

bool queryExit(AppState& state, Backup& backup)
{
    Options& options = state.options();
    if (state.OperadorAtual == 0 ||
        !mayUse(state.records().rules(), state.OperadorAtual, kBackupRow) ||
        !options.AskForBackUp || !backup.available()) {
        return true;
    }
    const auto today = state.ports().clock.today();
    if (!backupDueToday(options.FlagsAskBak, today, toYmd(textToDate(options.UltDiaFezBak)))) {
        return true;
    }
    Dialogs& dialogs = state.ports().dialogs;
    const std::string title = "Dia de BackUp";
    const auto answer = dialogs.message("Deseja fazer o BakcUp (cópias de seguranca) agora ?",
                                        msg::Question + msg::YesNoCancel, title);
    if (answer == msg::Answer::No) {
        return true;
    }
    if (answer != msg::Answer::Yes ||
        dialogs.message("Insira o disquete e clique em 'OK' para iniciar a cópia dos arquivos.",
                        msg::Information + msg::OkCancel, title) != msg::Answer::Ok) {
        return false;
    }
    if (backup.backupOnExit(options.UltDiaFezBak)) {
        options.UltDiaFezBak = dateToText(fromYmd(today));
        state.config().writeConfig("UltDiaFezBak", options.UltDiaFezBak);
    }
    return true;
}

void finishExit(AppState& state)
{
    state.saveRules();
    const Options& o = state.options();
    const std::pair<const char*, int> choices[] = {
        {"ImpNotaLoc", o.ImpNotaLoc},       {"ImpNotaDev", o.ImpNotaDev},
        {"ImpNotaPag", o.ImpNotaPag},       {"ImpNotaCred", o.ImpNotaCred},
        {"ImpNotaDeb", o.ImpNotaDeb},       {"ImpNotaVda", o.ImpNotaVda},
        {"ImpNotaVdaCli", o.ImpNotaVdaCli},
    };
    for (const auto& [key, value] : choices) {
        state.ports().settings.write(std::string(kOptionsApplication), std::string(kOptionsSection),
                                     key, std::to_string(value));
    }
    saveCaixaDia(state);
}

} // namespace tavolim::core
