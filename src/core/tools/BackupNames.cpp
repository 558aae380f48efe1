#include "core/tools/BackupNames.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace tavolim::core {
namespace {

constexpr std::string_view kPrefix = "Tavolim - ";
constexpr std::string_view kSafetySuffix = " - antes de recuperar";
constexpr std::string_view kExtension = ".zip";

std::string safeStoreName(std::string_view storeName)
{
    std::string out;
    for (const char c : storeName) {
        const auto u = static_cast<unsigned char>(c);
        const bool refused =
            u < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        out += refused ? '_' : c;
    }
    const auto first = out.find_first_not_of(" .");
    const auto last = out.find_last_not_of(" .");
    return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

std::string prefixFor(std::string_view storeName)
{
    const std::string store = safeStoreName(storeName);
    return std::string(kPrefix) + (store.empty() ? std::string() : store + " - ");
}

std::string stampText(BackupMoment moment)
{
    char text[32];
    const auto minutes = static_cast<int>(moment.time.count());
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02dh%02d",
                  static_cast<int>(moment.day.year()), static_cast<unsigned>(moment.day.month()),
                  static_cast<unsigned>(moment.day.day()), minutes / 60 % 100, minutes % 60);
    return text;
}

// "2026-12-05 14h30" or "2026-12-05 14h30 (2)" after the prefix, then ".zip": the sort key,
// or nullopt for another kind of name.
std::optional<std::tuple<std::string, int>> rotatedKey(std::string_view rest)
{
    constexpr std::size_t stampLength = 16;
    if (rest.size() < stampLength + kExtension.size() ||
        rest.substr(rest.size() - kExtension.size()) != kExtension) {
        return std::nullopt;
    }
    const std::string_view stamp = rest.substr(0, stampLength);
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const char c = stamp[i];
        const bool digit = c >= '0' && c <= '9';
        const char expected = i == 4 || i == 7 ? '-' : i == 10 ? ' ' : i == 13 ? 'h' : '0';
        if (expected == '0' ? !digit : c != expected) {
            return std::nullopt;
        }
    }
    std::string_view copy = rest.substr(stampLength, rest.size() - stampLength - kExtension.size());
    if (copy.empty()) {
        return std::tuple{std::string(stamp), 1};
    }
    if (copy.size() < 4 || copy.substr(0, 2) != " (" || copy.back() != ')') {
        return std::nullopt;
    }
    copy = copy.substr(2, copy.size() - 3);
    int n = 0;
    for (const char c : copy) {
        if (c < '0' || c > '9' || n > 100000) {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    return std::tuple{std::string(stamp), n};
}

} // namespace

std::string backupArchiveName(std::string_view storeName, BackupMoment moment, int copy,
                              bool safetyCopy)
{
    std::string name = prefixFor(storeName) + stampText(moment);
    if (copy > 1) {
        name += " (" + std::to_string(copy) + ")";
    }
    if (safetyCopy) {
        name += kSafetySuffix;
    }
    return name + std::string(kExtension);
}

std::filesystem::path freeArchivePath(const std::filesystem::path& folder,
                                      std::string_view storeName, BackupMoment moment,
                                      bool safetyCopy)
{
    for (int copy = 1;; ++copy) {
        // The name is UTF-8; Windows would read a plain string in its code page.
        const std::string name = backupArchiveName(storeName, moment, copy, safetyCopy);
        auto path = folder / std::filesystem::path(std::u8string(name.begin(), name.end()));
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && !ec) {
            return path;
        }
    }
}

std::vector<std::filesystem::path> rotatedArchives(const std::filesystem::path& folder,
                                                   std::string_view storeName)
{
    const std::string prefix = prefixFor(storeName);
    std::vector<std::pair<std::tuple<std::string, int>, std::filesystem::path>> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::u8string wide = it->path().filename().u8string();
        const std::string name(wide.begin(), wide.end());
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        std::error_code typeError;
        if (const auto key = rotatedKey(std::string_view(name).substr(prefix.size()));
            key && it->is_regular_file(typeError)) {
            found.emplace_back(*key, it->path());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::filesystem::path> out;
    for (auto& [key, path] : found) {
        out.push_back(std::move(path));
    }
    return out;
}

std::vector<std::filesystem::path> archivesBeyond(const std::filesystem::path& folder,
                                                  std::string_view storeName, int keep)
{
    auto archives = rotatedArchives(folder, storeName);
    const auto kept = static_cast<std::size_t>(std::max(keep, 1));
    if (archives.size() <= kept) {
        return {};
    }
    archives.resize(archives.size() - kept);
    return archives;
}

} // namespace tavolim::core
