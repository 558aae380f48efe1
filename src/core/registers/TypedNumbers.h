#pragma once

#include "core/store/Money.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolim::core {

class Dialogs;

// The number boxes of the product register: an empty box is 0; anything else must be a
// number that fits its field, or the operator is told why and nullopt comes back.

// Money, 0 to R$ 99.999,99.
std::optional<Money> typedAmount(std::string_view text, Dialogs& dialogs);
// A quantity in stock: may be negative (sold ahead of an entry) and fractional.
std::optional<float> typedQuantity(std::string_view text, Dialogs& dialogs);
// A tax rate in percent, 0 to 100.
std::optional<float> typedPercent(std::string_view text, Dialogs& dialogs);

} // namespace tavolim::core
