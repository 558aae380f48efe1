#include "core/tools/BackupContents.h"

#include "core/store/TextHelpers.h"

#include <charconv>
#include <cstdio>

namespace tavolim::core {
namespace {

constexpr std::string_view kTitle = "Back-up do Tavolim";
constexpr std::string_view kVersion = "Versão: ";
constexpr std::string_view kStore = "Locadora: ";
constexpr std::string_view kDate = "Data: ";
constexpr std::string_view kSafety = "Cópia de segurança antes de recuperar";

// Lines split on LF, a CR before it dropped; the empty piece after a last line ending too.
std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        out.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return out;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (;;) {
        const auto tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return out;
        }
        line.remove_prefix(tab + 1);
    }
}

template <class T>
std::optional<T> number(std::string_view text, int base = 10)
{
    T value{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::optional<BackupMoment> parseMoment(std::string_view text)
{
    // "dd/mm/yyyy hh:mm"
    if (text.size() != 16 || text[10] != ' ' || text[13] != ':') {
        return std::nullopt;
    }
    const auto day = toYmd(textToDate(std::string(text.substr(0, 10))));
    const auto hours = number<int>(text.substr(11, 2));
    const auto minutes = number<int>(text.substr(14, 2));
    if (!day || !hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    return BackupMoment{*day, std::chrono::minutes{*hours * 60 + *minutes}};
}

} // namespace

std::string momentText(BackupMoment moment)
{
    const auto minutes = static_cast<int>(moment.time.count());
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", minutes / 60 % 100, minutes % 60);
    return dateToText(fromYmd(moment.day)) + " " + time;
}

std::string headerText(const BackupHeader& header)
{
    std::string text = std::string(kTitle) + "\r\n" + std::string(kVersion) + header.version +
                       "\r\n" + std::string(kStore) + header.storeName + "\r\n" +
                       std::string(kDate) + momentText(header.moment) + "\r\n";
    if (header.safetyCopy) {
        text += std::string(kSafety) + "\r\n";
    }
    return text;
}

std::optional<BackupHeader> parseHeader(std::string_view text)
{
    const auto all = lines(text);
    if (all.empty() || all[0] != kTitle) {
        return std::nullopt;
    }
    BackupHeader header;
    bool dated = false;
    for (const std::string_view line : all) {
        if (line.starts_with(kVersion)) {
            header.version = line.substr(kVersion.size());
        } else if (line.starts_with(kStore)) {
            header.storeName = line.substr(kStore.size());
        } else if (line.starts_with(kDate)) {
            const auto moment = parseMoment(line.substr(kDate.size()));
            if (!moment) {
                return std::nullopt;
            }
            header.moment = *moment;
            dated = true;
        } else if (line == kSafety) {
            header.safetyCopy = true;
        }
    }
    if (!dated) {
        return std::nullopt;
    }
    return header;
}

std::string manifestText(const std::vector<ManifestLine>& manifest)
{
    std::string text;
    for (const ManifestLine& line : manifest) {
        char crc[9];
        std::snprintf(crc, sizeof crc, "%08x", line.crc);
        text += line.name + "\t" + std::to_string(line.size) + "\t" + crc + "\r\n";
    }
    return text;
}

std::optional<std::vector<ManifestLine>> parseManifest(std::string_view text)
{
    std::vector<ManifestLine> out;
    for (const std::string_view line : lines(text)) {
        if (line.empty()) {
            continue;
        }
        const auto parts = fields(line);
        if (parts.size() != 3 || parts[0].empty() || parts[2].size() != 8) {
            return std::nullopt;
        }
        const auto size = number<std::uint64_t>(parts[1]);
        const auto crc = number<std::uint32_t>(parts[2], 16);
        if (!size || !crc) {
            return std::nullopt;
        }
        out.push_back({std::string(parts[0]), *size, *crc});
    }
    return out;
}

std::string settingsText(const std::vector<StoredSetting>& settings)
{
    std::string text;
    for (const StoredSetting& s : settings) {
        text += escaped(s.application) + "\t" + escaped(s.value.section) + "\t" +
                escaped(s.value.key) + "\t" + escaped(s.value.value) + "\r\n";
    }
    return text;
}

std::optional<std::vector<StoredSetting>> parseSettings(std::string_view text)
{
    std::vector<StoredSetting> out;
    for (const std::string_view line : lines(text)) {
        if (line.empty()) {
            continue;
        }
        const auto parts = fields(line);
        if (parts.size() != 4) {
            return std::nullopt;
        }
        std::optional<std::string> unescapedParts[4];
        for (std::size_t i = 0; i < 4; ++i) {
            unescapedParts[i] = unescaped(parts[i]);
            if (!unescapedParts[i]) {
                return std::nullopt;
            }
        }
        out.push_back(
            {*unescapedParts[0], {*unescapedParts[1], *unescapedParts[2], *unescapedParts[3]}});
    }
    return out;
}

} // namespace tavolim::core
