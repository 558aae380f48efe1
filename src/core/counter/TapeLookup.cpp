#include "core/counter/TapeLookup.h"

#include "core/registers/RecordSearch.h"
#include "core/store/RecordStore.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <string>

namespace tavolim::core {
namespace {

constexpr std::size_t kBarcodeOffset = 52;
constexpr std::size_t kBarcodeWidth = 8;

std::optional<std::int32_t> byBarcode(const RecordStore& records, const std::string& code)
{
    // Record numbers have at most five digits; a barcode of digits has six or more.
    const bool shortNumber = code.size() <= 5 && typedCode(code).has_value();
    if (code.empty() || code.size() > kBarcodeWidth || shortNumber) {
        return std::nullopt;
    }
    std::string padded = code;
    padded.resize(kBarcodeWidth, ' ');
    std::optional<std::int32_t> found;
    records.scanRaw(FileKind::Tapes, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        if (!found && std::equal(padded.begin(), padded.end(), bytes.begin() + kBarcodeOffset,
                                 [](char a, std::uint8_t b) { return a == char(b); })) {
            found = n;
        }
    });
    return found;
}

} // namespace

std::optional<std::int32_t> tapeCodeFromText(const RecordStore& records, std::string_view text)
{
    const std::string typed = trim(text);
    if (const auto barcode = byBarcode(records, typed)) {
        return barcode;
    }
    return typedCode(typed);
}

} // namespace tavolim::core
