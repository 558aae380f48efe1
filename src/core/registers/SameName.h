#pragma once

#include "core/store/FileKind.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavolim::core {

class AppState;

// The duplicate check of a changed name in the product and distributor registers: the
// record numbers of the other records of the kind (deleted ones skipped) whose trimmed name
// equals `name` in any case, joined by ", ", found under the wait window "Verificando
// Repetição de Nomes...". Empty when the name is free.
std::string sameNameNumbers(AppState& state, FileKind kind, std::string_view name,
                            std::int32_t self);

} // namespace tavolim::core
