#include "core/registers/SameName.h"

#include "core/ports/Progress.h"
#include "core/registers/NameMatch.h"
#include "core/state/AppState.h"

namespace tavolim::core {

std::string sameNameNumbers(AppState& state, FileKind kind, std::string_view name,
                            std::int32_t self)
{
    const auto& info = fileKindInfo(kind);
    ScopedWait wait(&state.ports().progress, "Verificando Repetição de Nomes...");
    const NameMatch same(name, false, info.nameWidth);
    std::string numbers;
    state.records().scanRaw(kind, [&](std::int32_t n, std::span<const std::uint8_t> r) {
        const auto field = r.subspan(info.nameOffset, info.nameWidth);
        if (n != self && field[0] != '#' && same.matches(field)) {
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
        }
    });
    return numbers;
}

} // namespace tavolim::core
