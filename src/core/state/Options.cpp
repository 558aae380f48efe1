#include "core/state/Options.h"

#include "core/ports/SettingsStore.h"
#include "core/store/ConfigFile.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <limits>

namespace tavolim::core {
namespace {

template <typename T>
struct Key {
    const char* name;
    T Options::*member;
};

constexpr Key<std::int16_t> kRegistryInts[] = {
    {"ImpNotaLoc", &Options::ImpNotaLoc},       {"ImpNotaDev", &Options::ImpNotaDev},
    {"ImpNotaPag", &Options::ImpNotaPag},       {"ImpNotaCred", &Options::ImpNotaCred},
    {"ImpNotaDeb", &Options::ImpNotaDeb},       {"ImpNotaVda", &Options::ImpNotaVda},
    {"ImpNotaVdaCli", &Options::ImpNotaVdaCli}, {"NCol", &Options::NCol},
};

constexpr Key<std::string> kRegistryTexts[] = {
    {"Cabeçalho", &Options::Cabecalho},     {"ObsLoc", &Options::ObsLoc},
    {"ObsDev", &Options::ObsDev},           {"ObsPag", &Options::ObsPag},
    {"ObsCred", &Options::ObsCred},         {"FonteImp", &Options::FonteImp},
    {"CmdImpAntes", &Options::CmdImpAntes}, {"CmdImpDepois", &Options::CmdImpDepois},
    {"Imagem", &Options::Imagem},           {"Tipo", &Options::Tipo},
    {"PortaImp", &Options::PortaImp},
};

constexpr Key<bool> kConfigBools[] = {
    {"IsDebugging", &Options::IsDebugging},
    {"CabAuto", &Options::CabAuto},
    {"ImpDireto", &Options::ImpDireto},
    {"Desacent", &Options::Desacent},
    {"MostraHorasRec", &Options::MostraHorasRec},
    {"GravHistFita", &Options::GravHistFita},
    {"VerifHist", &Options::VerifHist},
    {"GravHistProd", &Options::GravHistProd},
    {"VerifNomeECod", &Options::VerifNomeECod},
    {"UnicaConta", &Options::UnicaConta},
    {"ProcEsp", &Options::ProcEsp},
    {"CodPrim", &Options::CodPrim},
    {"CodPrimProc", &Options::CodPrimProc},
    {"ConfirmOp", &Options::ConfirmOp},
    {"MostraUltReg", &Options::MostraUltReg},
    {"AskForBackUp", &Options::AskForBackUp},
    {"CobrarMulta", &Options::CobrarMulta},
    {"BrindeAuto", &Options::BrindeAuto},
    {"ContaBrindeDiaria", &Options::ContaBrindeDiaria},
    {"ContaBrindePrazo", &Options::ContaBrindePrazo},
    {"ContaBrindeMsg", &Options::ContaBrindeMsg},
    {"MostrarLeg", &Options::MostrarLeg},
};

// With the values each may hold; anything else is a damaged file.
struct IntKey {
    const char* name;
    std::int16_t Options::*member;
    std::int16_t least;
    std::int16_t most;
};
constexpr IntKey kConfigInts[] = {
    {"TamFonte", &Options::TamFonte, 0, 100},
    {"NumViasRec", &Options::NumViasRec, 0, 99},
    {"TipoPrazo", &Options::TipoPrazo, 0, 3},
    {"AcaoQdoSaiForm", &Options::AcaoQdoSaiForm, 0, 2},
    {"FlagsAskBak", &Options::FlagsAskBak, 0, 47},
    {"TipoCobraAtraso", &Options::TipoCobraAtraso, 0, 5},
    {"NumBackUps", &Options::NumBackUps, 1, 99},
};

constexpr Key<std::optional<std::int32_t>> kConfigScheme[] = {
    {"CorFundo", &Options::CorFundo},
    {"CorJan", &Options::CorJan},
    {"CorBot", &Options::CorBot},
};

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Whole decimal number with an optional sign, nothing else but surrounding blanks.
std::optional<std::int64_t> parseDecimal(std::string_view raw)
{
    const std::string text = trim(raw);
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 18) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::int16_t> parseInt16(std::string_view text)
{
    const auto value = parseDecimal(text);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

// We write True/False; the Portuguese words and numbers (nonzero is true) are taken too,
// as hand edits and files from other systems may hold them.
std::optional<bool> parseBool(std::string_view raw)
{
    const std::string text = lower(trim(raw));
    if (text == "true" || text == "verdadeiro") {
        return true;
    }
    if (text == "false" || text == "falso") {
        return false;
    }
    if (const auto number = parseDecimal(text)) {
        return *number != 0;
    }
    return std::nullopt;
}

// "&H" + up to 8 hex digits (a trailing "&" allowed), or plain decimal. Hex is read as the
// unsigned 32-bit pattern, so "&HFFFF" is yellow, not -1.
std::optional<std::int32_t> parseColour(std::string_view raw)
{
    const std::string text = trim(raw);
    std::string_view view = text;
    if (view.size() >= 2 && view[0] == '&' && (view[1] == 'H' || view[1] == 'h')) {
        view.remove_prefix(2);
        if (!view.empty() && view.back() == '&') {
            view.remove_suffix(1);
        }
        if (view.empty() || view.size() > 8) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        const auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value, 16);
        if (ec != std::errc() || end != view.data() + view.size()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }
    const auto value = parseDecimal(view);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

std::optional<std::uint8_t> parseByte(std::string_view raw)
{
    const std::string text = trim(raw);
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::string readRegistry(const SettingsStore& settings, const char* key)
{
    return settings.read(std::string(kOptionsApplication), std::string(kOptionsSection), key, "");
}

void writeRegistry(SettingsStore& settings, const char* key, const std::string& value)
{
    settings.write(std::string(kOptionsApplication), std::string(kOptionsSection), key, value);
}

} // namespace

Options loadOptions(const SettingsStore& settings, const ConfigFile& config,
                    std::vector<std::string>* problems)
{
    Options o;
    const bool configFound = std::filesystem::exists(config.path());
    if (problems && !configFound) {
        problems->push_back("O arquivo Config.ini não foi encontrado na pasta de dados; todas as "
                            "suas opções usam o valor padrão (atraso sem cobrança, prazo geral).");
    }
    // A value the file lacks or holds wrongly is named, with the value used in its place.
    const auto note = [&](const char* key, const std::string& raw, const std::string& used) {
        // An absent key is the file's usual state, the option at its default; only the two
        // that decide what is charged are worth a word when they are missing.
        const std::string_view name(key);
        if (trim(raw).empty() && name != "TipoCobraAtraso" && name != "TipoPrazo") {
            return;
        }
        if (problems && configFound) {
            problems->push_back(std::string(key) + ": " +
                                (trim(raw).empty() ? "ausente" : "\"" + trim(raw) + "\" inválido") +
                                "; usado " + used + ".");
        }
    };
    for (const auto& k : kRegistryInts) {
        if (const auto v = parseInt16(readRegistry(settings, k.name))) {
            o.*k.member = *v;
        }
    }
    if (o.NCol != 40 && o.NCol != 45) {
        o.NCol = 40;
    }
    for (const auto& k : kRegistryTexts) {
        o.*k.member = readRegistry(settings, k.name);
    }
    rebuildCommandBytes(o);

    for (const auto& k : kConfigBools) {
        const std::string raw = config.readConfig(k.name, "");
        if (const auto v = parseBool(raw)) {
            o.*k.member = *v;
        } else {
            note(k.name, raw, boolText(o.*k.member));
        }
    }
    for (const auto& k : kConfigInts) {
        const std::string raw = config.readConfig(k.name, "");
        const auto v = parseInt16(raw);
        if (v && *v >= k.least && *v <= k.most) {
            o.*k.member = *v;
        } else {
            note(k.name, raw, std::to_string(o.*k.member));
        }
    }
    o.UltDiaFezBak = config.readConfig("UltDiaFezBak", "");
    if (const auto v = parseColour(config.readConfig("CorFundoPrinc", ""))) {
        o.CorFundoPrinc = *v;
    }
    for (const auto& k : kConfigScheme) {
        o.*k.member = parseColour(config.readConfig(k.name, ""));
    }
    return o;
}

void saveRegistryOptions(const Options& options, SettingsStore& settings)
{
    for (const auto& k : kRegistryInts) {
        writeRegistry(settings, k.name, std::to_string(options.*k.member));
    }
    for (const auto& k : kRegistryTexts) {
        writeRegistry(settings, k.name, options.*k.member);
    }
}

void saveConfigOptions(const Options& options, ConfigFile& config)
{
    Options o = options;
    // A history check without a history to check against makes no sense.
    o.VerifHist = o.VerifHist && o.GravHistFita;
    for (const auto& k : kConfigBools) {
        config.writeConfig(k.name, boolText(o.*k.member));
    }
    for (const auto& k : kConfigInts) {
        config.writeConfig(k.name, std::to_string(o.*k.member));
    }
    config.writeConfig("UltDiaFezBak", o.UltDiaFezBak);
    config.writeConfig("CorFundoPrinc", colourText(o.CorFundoPrinc));
    for (const auto& k : kConfigScheme) {
        if (const auto& colour = o.*k.member) {
            config.writeConfig(k.name, colourText(*colour));
        }
    }
}

void rebuildCommandBytes(Options& options)
{
    options.cmdBytesAntes = parseCommandBytes(options.CmdImpAntes);
    options.cmdBytesDepois = parseCommandBytes(options.CmdImpDepois);
}

std::string boolText(bool value)
{
    return value ? "True" : "False";
}

std::string colourText(std::int32_t colour)
{
    char digits[8];
    const auto [end, ec] =
        std::to_chars(digits, digits + sizeof digits, static_cast<std::uint32_t>(colour), 16);
    std::string out = "&H" + std::string(digits, end);
    std::transform(out.begin() + 2, out.end(), out.begin() + 2,
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

std::vector<std::uint8_t> parseCommandBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view piece = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (trim(piece).empty()) {
            continue;
        }
        const auto byte = parseByte(piece);
        if (!byte) {
            break;
        }
        bytes.push_back(*byte);
    }
    return bytes;
}

int backupFlagsEveryNDays(int days)
{
    return 16 + std::clamp(days, 1, 15);
}

int backupFlagsWeekday(int weekday)
{
    return 32 + std::clamp(weekday, 1, 7);
}

BackupFlags decodeBackupFlags(int flags)
{
    if (flags >= 17 && flags <= 31) {
        return {BackupSchedule::EveryNDays, flags - 16};
    }
    if (flags >= 33 && flags <= 39) {
        return {BackupSchedule::Weekday, flags - 32};
    }
    return {};
}

} // namespace tavolim::core
