#include "core/sales/ProductLookup.h"

#include "core/ports/Dialogs.h"
#include "core/state/AppState.h"
#include "core/store/ProductRecord.h"
#include "core/store/RecordStore.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <string>

namespace tavolim::core {
namespace {

constexpr std::size_t kBarcodeOffset = 27;
constexpr std::size_t kBarcodeWidth = 13;

std::optional<std::int32_t> byBarcode(const RecordStore& records, const std::string& code)
{
    if (code.empty() || code.size() > kBarcodeWidth) {
        return std::nullopt;
    }
    std::string padded = code;
    padded.resize(kBarcodeWidth, ' ');
    std::optional<std::int32_t> found;
    records.scanRaw(FileKind::Products, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        if (!found && std::equal(padded.begin(), padded.end(), bytes.begin() + kBarcodeOffset,
                                 [](char a, std::uint8_t b) { return a == char(b); })) {
            found = n;
        }
    });
    return found;
}

} // namespace

std::optional<std::int32_t> productCodeFromText(const RecordStore& records, std::string_view text,
                                                ProductCodeReading reading)
{
    const std::string typed = trim(text);
    // Record numbers have at most five digits: typing one never walks the product file.
    const bool shortNumber = typed.size() <= 5 && typedCode(typed).has_value();
    if (reading == ProductCodeReading::BarcodeFirst || !shortNumber) {
        if (const auto barcode = byBarcode(records, typed)) {
            return barcode;
        }
    }
    return typedCode(typed);
}

std::optional<std::int16_t> lookUpProduct(AppState& state, std::string_view code,
                                          std::string_view name, ProductCodeReading reading,
                                          const ListChooser& choose)
{
    auto& dialogs = state.ports().dialogs;
    const std::string typedCodeText = trim(code);
    if (typedCodeText.empty()) {
        if (trim(name).empty()) {
            return std::nullopt;
        }
        // The name box holds a name, even one of digits.
        const auto hit = RecordSearch(state, SearchMode::Products).findName(name, choose);
        if (!hit) {
            return std::nullopt;
        }
        return static_cast<std::int16_t>(hit->number);
    }
    const auto& records = state.records();
    const auto number = productCodeFromText(records, typedCodeText, reading);
    if (!number || *number < 1 ||
        *number > std::min(records.recordCount(FileKind::Products), RecordStore::MaxRecords)) {
        dialogs.message(kBadProductCode, msg::Exclamation);
        return std::nullopt;
    }
    if (isDeletedName(records.load<ProductRecord>(*number).Descricao)) {
        dialogs.message(kDeletedProduct, msg::Information);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*number);
}

} // namespace tavolim::core
