#include "core/shell/OptionsForm.h"

#include "core/ports/Dialogs.h"
#include "core/ports/SettingsStore.h"
#include "core/store/ConfigFile.h"

#include <algorithm>
#include <cctype>

namespace tavolim::core {
namespace {

// The options the window edits; everything else in `to` stays as it is.
void copyEdited(const Options& from, Options& to)
{
    to.Imagem = from.Imagem;
    to.Tipo = from.Tipo;
    to.GravHistFita = from.GravHistFita;
    to.VerifHist = from.VerifHist;
    to.GravHistProd = from.GravHistProd;
    to.VerifNomeECod = from.VerifNomeECod;
    to.UnicaConta = from.UnicaConta;
    to.ProcEsp = from.ProcEsp;
    to.CodPrim = from.CodPrim;
    to.CodPrimProc = from.CodPrimProc;
    to.ConfirmOp = from.ConfirmOp;
    to.MostraUltReg = from.MostraUltReg;
    to.AcaoQdoSaiForm = from.AcaoQdoSaiForm;
    to.AskForBackUp = from.AskForBackUp;
    to.FlagsAskBak = from.FlagsAskBak;
    to.NumBackUps = from.NumBackUps;
    to.CorFundoPrinc = from.CorFundoPrinc;
    to.MostrarLeg = from.MostrarLeg;
    to.CorFundo = from.CorFundo;
    to.CorJan = from.CorJan;
    to.CorBot = from.CorBot;
}

bool sameEdited(const Options& a, const Options& b)
{
    Options merged = b;
    copyEdited(a, merged);
    return merged == b;
}

int daysValue(const std::string& digits)
{
    // Digits only reach here; many of them are simply too many days.
    return digits.size() > 3 ? 1000 : (digits.empty() ? 0 : std::stoi(digits));
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

PictureChoice pictureChoice(std::string_view tipo)
{
    const std::string word = lower(tipo);
    if (word == "centralizado") {
        return PictureChoice::Centred;
    }
    if (word == "justificado") {
        return PictureChoice::Stretched;
    }
    if (word == "ladoalado") {
        return PictureChoice::Tiled;
    }
    return PictureChoice::None;
}

std::string pictureChoiceText(PictureChoice mode)
{
    switch (mode) {
    case PictureChoice::Centred:
        return "Centralizado";
    case PictureChoice::Stretched:
        return "Justificado";
    case PictureChoice::Tiled:
        return "LadoALado";
    case PictureChoice::None:
        break;
    }
    return {};
}

OptionsForm::OptionsForm(const Options& current) : m_original(current), m_values(current)
{
    const BackupFlags flags = decodeBackupFlags(current.FlagsAskBak);
    backupSchedule = flags.schedule;
    if (flags.schedule == BackupSchedule::EveryNDays) {
        backupDays = std::to_string(flags.value);
    } else if (flags.schedule == BackupSchedule::Weekday) {
        backupWeekday = flags.value;
    }
    m_originalBackup = backupControls();
}

void OptionsForm::keepTapeHistory(bool on)
{
    m_values.GravHistFita = on;
    if (!on) {
        m_values.VerifHist = false;
    }
}

void OptionsForm::setUnicaConta(bool single, Dialogs& dialogs)
{
    if (single && !m_values.UnicaConta) {
        dialogs.message(std::string(kSingleAccountWarning), msg::Exclamation);
    }
    m_values.UnicaConta = single;
}

bool OptionsForm::checkBackupDays(Dialogs& dialogs) const
{
    const int days = daysValue(backupDays);
    if (days == 0) {
        dialogs.message(std::string(kBackupDaysNull), msg::Exclamation);
        return false;
    }
    if (days > 15) {
        dialogs.message(std::string(kBackupDaysMax), msg::Exclamation);
        return false;
    }
    return true;
}

int OptionsForm::flagsAskBak() const
{
    if (backupControls() == m_originalBackup) {
        return m_original.FlagsAskBak;
    }
    switch (backupSchedule) {
    case BackupSchedule::EveryNDays:
        return backupFlagsEveryNDays(daysValue(backupDays));
    case BackupSchedule::Weekday:
        return backupFlagsWeekday(backupWeekday);
    case BackupSchedule::EveryDay:
        break;
    }
    return 0;
}

bool OptionsForm::dirty() const
{
    return !sameEdited(m_values, m_original) || backupControls() != m_originalBackup;
}

bool OptionsForm::save(Options& target, SettingsStore& settings, ConfigFile& config,
                       Dialogs& dialogs) const
{
    if (backupSchedule == BackupSchedule::EveryNDays && !checkBackupDays(dialogs)) {
        return false;
    }
    Options edited = m_values;
    edited.FlagsAskBak = static_cast<std::int16_t>(flagsAskBak());
    edited.VerifHist = edited.VerifHist && edited.GravHistFita;
    copyEdited(edited, target);

    const std::string application(kOptionsApplication);
    const std::string section(kOptionsSection);
    settings.write(application, section, "Imagem", target.Imagem);
    settings.write(application, section, "Tipo", target.Tipo);
    saveConfigOptions(target, config);
    return true;
}

bool OptionsForm::confirmClose(Options& target, SettingsStore& settings, ConfigFile& config,
                               Dialogs& dialogs) const
{
    if (!dirty()) {
        return true;
    }
    switch (dialogs.message(std::string(kAskSaveChanges), msg::Question + msg::YesNoCancel)) {
    case msg::Answer::Yes:
        return save(target, settings, config, dialogs);
    case msg::Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tavolim::core
