#include "core/registers/BarcodeCheck.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/state/AppState.h"
#include "core/store/ProductRecord.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <algorithm>
#include <optional>

namespace tavolim::core {
namespace {

struct Owner {
    std::int32_t number;
    std::string name;
};

template <class R>
std::optional<Owner> ownerOf(const RecordStore& records, FileKind kind, const std::string& code,
                             std::int32_t self)
{
    std::optional<Owner> found;
    records.scan<R>(kind, [&](std::int32_t n, const R& r) {
        if (!found && n != self && !isDeletedName(r.name()) && trim(r.CodigoBarras) == code) {
            found = Owner{n, trim(r.name())};
        }
    });
    return found;
}

} // namespace

bool barcodeShapeAccepted(std::string_view code)
{
    const std::string c = trim(code);
    if (c.empty() || (c.front() >= 'A' && c.front() <= 'z')) {
        return true;
    }
    return c.size() >= 6 && c.size() <= 13 &&
           std::all_of(c.begin(), c.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

BarcodeVerdict checkBarcode(AppState& state, FileKind kind, std::string_view code,
                            std::int32_t self)
{
    auto& dialogs = state.ports().dialogs;
    if (!barcodeShapeAccepted(code)) {
        dialogs.message("O código deve possuir entre 6 e 13 dígitos numéricos ou o primeiro "
                        "dígito deve ser uma letra.",
                        msg::Exclamation);
        return BarcodeVerdict::BadShape;
    }
    const std::string c = trim(code);
    if (c.empty()) {
        return BarcodeVerdict::Accepted;
    }
    std::optional<Owner> owner;
    {
        ScopedWait wait(&state.ports().progress, "Verificando Repetição de Códigos...");
        owner = kind == FileKind::Products ? ownerOf<ProductRecord>(state.records(), kind, c, self)
                                           : ownerOf<TapeRecord>(state.records(), kind, c, self);
    }
    if (!owner) {
        return BarcodeVerdict::Accepted;
    }
    const std::string whose = kind == FileKind::Products ? "ao produto '" : "à fita '";
    dialogs.message("O código de barras já existe e pertence " + whose + owner->name +
                        "'.\nN° de registro : " + std::to_string(owner->number),
                    msg::Exclamation);
    return BarcodeVerdict::Duplicate;
}

} // namespace tavolim::core
