#include "core/tools/StoreFiles.h"

#include "core/books/BookFiles.h"
#include "core/books/BookRecords.h"
#include "core/store/ConfigFile.h"
#include "core/store/DailyTotalsRecord.h"
#include "core/store/FileKind.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tavolim::core {
namespace {

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool endsWith(std::string_view name, std::string_view tail)
{
    return name.size() > tail.size() && sameText(name.substr(name.size() - tail.size()), tail);
}

// RegMemos.tvl: an 8-byte entry per memo number.
constexpr std::size_t kMemoIndexLength = 8;

} // namespace

bool isStoreFileName(std::string_view name)
{
    // Old stores copied from Windows may carry their names in any case.
    return endsWith(name, ".tvl") || sameText(name, kRulesFile) || sameText(name, "Config.ini") ||
           sameText(name, kErrorLogFile);
}

std::vector<std::string> storeFileNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (isStoreFileName(name) && it->is_regular_file(typeError)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::size_t> recordLengthOf(std::string_view name)
{
    for (int k = 1; k <= 12; ++k) {
        const auto& info = fileKindInfo(static_cast<FileKind>(k));
        if (sameText(name, info.fileName)) {
            return info.recordLength;
        }
    }
    for (const Book book : {Book::Rentals, Book::Returns, Book::Sales}) {
        const auto& info = bookFileInfo(book);
        if (sameText(name, info.bookFile)) {
            return info.bookRecordLength;
        }
        if (sameText(name, info.positionFile)) {
            return PositionRecord::Size;
        }
    }
    if (sameText(name, kDailyTotalsFile)) {
        return DailyTotalsRecord::Size;
    }
    if (sameText(name, "Config.ini")) {
        return ConfigFile::kRecordLength;
    }
    if (sameText(name, "RegMemos.tvl")) {
        return kMemoIndexLength;
    }
    return std::nullopt;
}

} // namespace tavolim::core
