#pragma once

#include "core/state/Options.h"
#include "core/store/ConfigFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/MemoStore.h"
#include "core/store/RecordStore.h"
#include "core/store/SynopsisStore.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavolim::core {

class AppState;
class Clock;
class Dialogs;
class Launcher;
class Printer;
class Progress;
class SettingsStore;

// What the core needs from the platform; owned by the program (or the test).
struct Ports {
    Dialogs& dialogs;
    Clock& clock;
    SettingsStore& settings;
    Printer& printer;
    Progress& progress;
    Launcher& launcher;
};

// Steps of the start of the business day that other parts of the program own; unset
// hooks are skipped.
struct DayStartHooks {
    // Opens the holiday editor when the calendar needs this or next month's holidays.
    std::function<void(AppState&)> openHolidayEditor;
    // Re-enables the menus for the operator once the day has started.
    std::function<void()> refreshMenus;
};

// Everything that is process-wide for one run of the program: the data folder with its
// current records, the options, the logged-in operator, the current business day and the
// platform ports. Passed by reference; there are no globals.
class AppState {
public:
    AppState(std::filesystem::path dataFolder, Ports ports);

    const std::filesystem::path& dataFolder() const { return m_records.dataFolder(); }
    RecordStore& records() { return m_records; }
    const RecordStore& records() const { return m_records; }
    ConfigFile& config() { return m_config; }
    Options& options() { return m_options; }
    const Options& options() const { return m_options; }
    const Ports& ports() const { return m_ports; }

    // The memo and synopsis stores keep their counters in the current general rules record.
    MemoStore memos();
    SynopsisStore synopses();

    // Reads the general rules record and the store data record, then every option.
    void loadOptions();
    // Writes the general rules record (after its counters or operators changed).
    bool saveRules();

    // Index (1-based) of the logged-in operator; 0 = nobody.
    int OperadorAtual = 0;
    // The program's own current day, set when the business day starts.
    std::chrono::year_month_day DataDia{};
    // The current day's totals, saved after every operation that changes them.
    DailyTotalsRecord CaixaDia;
    DayStartHooks dayHooks;
    // Shows a finished text in a window: where printouts go instead of the printer while
    // IsDebugging is on. Unset, such a text is dropped.
    std::function<void(const std::string&)> showText;
    // The shortest term a rental can have, in days; kept by the holiday calendar.
    int PrazoMinimo = 1;
    // The data files cannot be written (found at start): the program only shows and lists,
    // and every operation that would write is refused with readOnlyMessage().
    bool readOnly = false;
    // What loading the options found missing or wrong in Config.ini, for the start to tell.
    std::vector<std::string> configWarnings;

private:
    RecordStore m_records;
    ConfigFile m_config;
    Options m_options;
    Ports m_ports;
};

} // namespace tavolim::core
