#pragma once

#include "core/ports/SettingsStore.h"
#include "core/tools/BackupNames.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolim::core {

// What a backup archive holds besides the store's files, each a text entry (UTF-8, CR LF):
// - kHeaderEntry, first, so the restore window reads the store and the moment without
//   reading the whole archive: "Back-up do Tavolim", "Versão: 1.0.0", "Locadora: …",
//   "Data: dd/mm/yyyy hh:mm", and "Cópia de segurança antes de recuperar" on a safety copy;
// - kSettingsEntry, the program's per-user settings: "application<TAB>section<TAB>key<TAB>
//   value" lines, tab, CR, LF and "\" written as \t, \r, \n and \\;
// - kManifestEntry, last: "name<TAB>size<TAB>crc" per entry before it (CRC-32 in 8 hex
//   digits), which a restore checks every entry against.
inline constexpr const char* kHeaderEntry = "Tavolim.txt";
inline constexpr const char* kSettingsEntry = "Preferencias.txt";
inline constexpr const char* kManifestEntry = "Conteudo.txt";

// The applications of the settings store whose values a backup carries.
inline constexpr std::string_view kBackedUpApplications[] = {"Tavolim", "EdTexto"};

struct BackupHeader {
    std::string version;
    std::string storeName;
    BackupMoment moment;
    bool safetyCopy = false;
};
std::string headerText(const BackupHeader& header);
std::optional<BackupHeader> parseHeader(std::string_view text);

struct ManifestLine {
    std::string name;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};
std::string manifestText(const std::vector<ManifestLine>& lines);
std::optional<std::vector<ManifestLine>> parseManifest(std::string_view text);

struct StoredSetting {
    std::string application;
    SettingValue value;
};
std::string settingsText(const std::vector<StoredSetting>& settings);
std::optional<std::vector<StoredSetting>> parseSettings(std::string_view text);

// "dd/mm/yyyy hh:mm"
std::string momentText(BackupMoment moment);

} // namespace tavolim::core
