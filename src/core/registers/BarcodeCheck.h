#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <string_view>

namespace tavolim::core {

class AppState;

// The shape a barcode must have: empty; or a first character from "A" to "z" in character
// order (an alphanumeric code of the store's own); or 6 to 13 digits. Surrounding spaces
// are not part of the code.
bool barcodeShapeAccepted(std::string_view code);

enum class BarcodeVerdict { Accepted, BadShape, Duplicate };

// The check of the tape and product barcode boxes when they lose the focus: the shape,
// then the other records of the kind (Tapes or Products, deleted ones skipped, `self`
// excepted) under the wait window. A refusal is shown with its message.
BarcodeVerdict checkBarcode(AppState& state, FileKind kind, std::string_view code,
                            std::int32_t self);

} // namespace tavolim::core
