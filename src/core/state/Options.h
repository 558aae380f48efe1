#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

class ConfigFile;
class SettingsStore;

// The user-adjustable options, loaded once at start and written back by the windows that
// edit them. Members carry the names of their keys. The receipt choices and the printer and
// appearance texts live in the per-user settings store (application "Tavolim", section
// "Opções"); the rest in Config.ini. A missing or unconvertible stored value leaves the
// default below.
struct Options {
    // Settings store. The ImpNota values are 0 or 1: the last state of each "print" box.
    std::int16_t ImpNotaLoc = 0;
    std::int16_t ImpNotaDev = 0;
    std::int16_t ImpNotaPag = 0;
    std::int16_t ImpNotaCred = 0;
    std::int16_t ImpNotaDeb = 0;
    std::int16_t ImpNotaVda = 0;
    std::int16_t ImpNotaVdaCli = 0;
    std::string Cabecalho; // key "Cabeçalho"; lines separated by CR LF
    std::string ObsLoc;
    std::string ObsDev;
    std::string ObsPag;
    std::string ObsCred;
    std::int16_t NCol = 40; // receipt width, 40 or 45
    std::string FonteImp;
    std::string CmdImpAntes; // decimal bytes separated by ","
    std::string CmdImpDepois;
    std::string Imagem;
    std::string Tipo; // "Centralizado", "Justificado" or "LadoALado", any case
    // Device or file that direct printing writes to ("/dev/usb/lp0", "COM1", "LPT1:");
    // empty = the platform's usual printer port.
    std::string PortaImp;

    // Parsed from CmdImpAntes / CmdImpDepois on load and by rebuildCommandBytes.
    std::vector<std::uint8_t> cmdBytesAntes;
    std::vector<std::uint8_t> cmdBytesDepois;

    // Config.ini.
    bool IsDebugging = false;
    bool CabAuto = false;
    std::int16_t TamFonte = 0;
    bool ImpDireto = false;
    bool Desacent = false;
    std::int16_t NumViasRec = 0;
    bool MostraHorasRec = false;
    bool GravHistFita = false;
    bool VerifHist = false;
    bool GravHistProd = false;
    bool VerifNomeECod = false;
    std::int16_t TipoPrazo = 0;
    bool UnicaConta = false;
    bool ProcEsp = false;
    bool CodPrim = false;
    bool CodPrimProc = false;
    bool ConfirmOp = false;
    bool MostraUltReg = false;
    std::int16_t AcaoQdoSaiForm = 0; // 0 discard, 1 save, 2 ask
    bool AskForBackUp = false;
    std::int16_t FlagsAskBak = 0; // see decodeBackupFlags
    std::string UltDiaFezBak;     // date text of the last backup
    std::int16_t NumBackUps = 10; // the store's backups kept in the backup folder
    std::int16_t TipoCobraAtraso = 0;
    bool CobrarMulta = false;
    bool BrindeAuto = false;
    bool ContaBrindeDiaria = false;
    bool ContaBrindePrazo = false;
    bool ContaBrindeMsg = false;
    std::int32_t CorFundoPrinc = 0; // colour as the platform's 0x00BBGGRR
    bool MostrarLeg = false;
    // The window colour scheme. Absent until the options window first saves one; when
    // present it is restored at start, so a chosen scheme survives a restart.
    std::optional<std::int32_t> CorFundo;
    std::optional<std::int32_t> CorJan;
    std::optional<std::int32_t> CorBot;

    bool operator==(const Options&) const = default;
};

inline constexpr std::string_view kOptionsApplication = "Tavolim";
inline constexpr std::string_view kOptionsSection = "Opções";

// `problems`, when given, receives a line for each Config.ini value missing or wrong (or one
// line for a missing file), naming the value used instead.
Options loadOptions(const SettingsStore& settings, const ConfigFile& config,
                    std::vector<std::string>* problems = nullptr);
void saveRegistryOptions(const Options& options, SettingsStore& settings);
// Writes every Config.ini key; VerifHist is written False whenever GravHistFita is off, and an
// absent colour of the scheme is not written.
void saveConfigOptions(const Options& options, ConfigFile& config);

// After CmdImpAntes / CmdImpDepois change.
void rebuildCommandBytes(Options& options);

// "True" / "False", the way booleans are stored.
std::string boolText(bool value);
// "&H" + upper-case hexadecimal of the 32-bit pattern: 0xFF8080 gives "&HFF8080".
std::string colourText(std::int32_t colour);

// Printer command text to bytes: decimal numbers separated by ",", leading and trailing
// commas and empty items ignored (",27,64," gives 27, 64). A piece that is not a number from
// 0 to 255 ends the list there, keeping the bytes before it.
std::vector<std::uint8_t> parseCommandBytes(std::string_view text);

// When to offer a backup at exit, as FlagsAskBak encodes it: 0 every day, 16 + N every N
// days (1..15), 32 + D on weekday D (1 Sunday .. 7 Saturday).
enum class BackupSchedule { EveryDay, EveryNDays, Weekday };

struct BackupFlags {
    BackupSchedule schedule = BackupSchedule::EveryDay;
    int value = 0; // N days or weekday D; 0 for every day
};

// Arguments out of range are clamped.
int backupFlagsEveryNDays(int days);
int backupFlagsWeekday(int weekday);
// Anything that is not a valid code reads as every day.
BackupFlags decodeBackupFlags(int flags);

} // namespace tavolim::core
