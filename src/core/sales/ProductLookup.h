#pragma once

#include "core/registers/RecordSearch.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavolim::core {

class AppState;
class RecordStore;

// How a typed product code is read. A barcode scanner types the product's CodigoBarras; the
// operator may type the record number instead.
enum class ProductCodeReading {
    // Short numbers (up to five digits) are record numbers; anything else is looked for among
    // the barcodes first. The sale windows' txtCodProd.
    NumberFirst,
    // Every text is looked for among the barcodes first, then read as a record number. The
    // stock entry in its "Código de Barras:" mode.
    BarcodeFirst,
};

// The product number a typed code names: a barcode carried by some product (deleted ones
// included, so the operator hears why it cannot be used), else the record number. nullopt when
// the text is neither; the number is not checked against the file.
std::optional<std::int32_t> productCodeFromText(const RecordStore& records, std::string_view text,
                                                ProductCodeReading reading);

// The look-up of the sale and stock windows: a code in `code`, else a name in `name`
// (searched as frmProcura does, several matches going to `choose`). Tells the operator why
// nothing was found: "O código do produto está incorreto.", "O registro deste produto foi
// excluído.", "Nenhum produto encontrado com este nome.". Both texts empty: nullopt, silently.
std::optional<std::int16_t> lookUpProduct(AppState& state, std::string_view code,
                                          std::string_view name, ProductCodeReading reading,
                                          const ListChooser& choose);

inline constexpr const char* kBadProductCode = "O código do produto está incorreto.";
inline constexpr const char* kDeletedProduct = "O registro deste produto foi excluído.";

} // namespace tavolim::core
