#pragma once

#include "core/state/Options.h"

#include <string>
#include <string_view>

namespace tavolim::core {

class ConfigFile;
class Dialogs;
class SettingsStore;

inline constexpr std::string_view kAskSaveChanges = "Deseja salvar as alterações ?";
inline constexpr std::string_view kSingleAccountWarning =
    "Isto impedirá o acesso a contas de clientes dependentes, portanto certifique-se de que "
    "nenhum dependente possui locação, crédito ou débito.";
inline constexpr std::string_view kBackupDaysNull = "O número de dias não pode ser nulo.";
inline constexpr std::string_view kBackupDaysMax = "O máximo de dias é 15.";

// How "Tipo" draws the main window's picture; the stored words are compared in any case.
enum class PictureChoice { None, Centred, Stretched, Tiled };
PictureChoice pictureChoice(std::string_view tipo);
std::string pictureChoiceText(PictureChoice mode);

// The options window's state: a copy of the options it edits, the backup schedule as its
// controls hold it, and whether anything changed since it was loaded. Only the options the
// window shows are compared and saved, so values other windows change meanwhile (the print
// choices) are never overwritten with stale copies.
class OptionsForm {
public:
    explicit OptionsForm(const Options& current);

    // The controls read and write the options here.
    Options& values() { return m_values; }
    const Options& values() const { return m_values; }

    // Off also clears the history check, which needs the history.
    void keepTapeHistory(bool on);
    bool verifHistEnabled() const { return m_values.GravHistFita; }

    // Choosing the holder's account only warns; the choice stands.
    void setUnicaConta(bool single, Dialogs& dialogs);

    BackupSchedule backupSchedule = BackupSchedule::EveryDay;
    std::string backupDays; // the digits typed in the days box
    int backupWeekday = 1;  // 1 Sunday .. 7 Saturday

    static bool acceptsBackupDaysChar(char c) { return c >= '0' && c <= '9'; }
    // The days box on leaving it and on OK: 1..15, or a refusal with its message.
    bool checkBackupDays(Dialogs& dialogs) const;
    // Unchanged controls keep the stored value, which may be a code they cannot show.
    int flagsAskBak() const;

    bool dirty() const;

    // OK: validates, then stores the edited options into `target` and writes their keys.
    // False when refused (the window stays open).
    bool save(Options& target, SettingsStore& settings, ConfigFile& config, Dialogs& dialogs) const;

    // Closing: with changes, asks whether to save them first. True when the window may close.
    bool confirmClose(Options& target, SettingsStore& settings, ConfigFile& config,
                      Dialogs& dialogs) const;

private:
    struct BackupControls {
        BackupSchedule schedule;
        std::string days;
        int weekday;
        bool operator==(const BackupControls&) const = default;
    };
    BackupControls backupControls() const { return {backupSchedule, backupDays, backupWeekday}; }

    Options m_original;
    Options m_values;
    BackupControls m_originalBackup;
};

} // namespace tavolim::core
