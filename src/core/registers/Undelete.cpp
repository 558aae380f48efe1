#include "core/registers/Undelete.h"

#include "core/ports/Dialogs.h"
#include "core/state/StoreTransaction.h"
#include "core/store/FileTransaction.h"
#include "core/store/RecordStore.h"

#include <cstdio>

namespace tavolim::core {
namespace {

int codeDigits(FileKind kind)
{
    switch (kind) {
    case FileKind::Tapes:
    case FileKind::Products:
        return 6;
    case FileKind::Clients:
    case FileKind::Dependents:
        return 5;
    default:
        return 3;
    }
}

std::string emptyText(FileKind kind)
{
    switch (kind) {
    case FileKind::Tapes:
        return "Não há fitas excluídas.";
    case FileKind::Products:
        return "Não há produtos excluídos.";
    default:
        return "Não há distribuidoras excluídas.";
    }
}

std::string doneText(FileKind kind, const std::string& name)
{
    switch (kind) {
    case FileKind::Tapes:
        return "Registro da fita '" + name + "' recuperado com sucesso!";
    case FileKind::Products:
        return "Registro do produto '" + name + "' recuperado com sucesso !";
    default:
        return "Registro de '" + name + "' recuperado com sucesso !";
    }
}

} // namespace

std::vector<UndeleteOffer> undeleteOffers(RecordStore& store, FileKind kind)
{
    std::vector<UndeleteOffer> offers;
    for (const auto& entry : store.listDeleted(kind)) {
        char code[16];
        std::snprintf(code, sizeof code, "%0*d", codeDigits(kind), static_cast<int>(entry.number));
        offers.push_back({entry.number, std::string(code) + " " + entry.name});
    }
    return offers;
}

int undeleteRecords(RecordStore& store, FileKind kind, Dialogs& dialogs,
                    const UndeleteChooser& choose)
{
    if (kind != FileKind::Tapes && kind != FileKind::Products && kind != FileKind::Distributors) {
        return 0;
    }
    const auto offers = undeleteOffers(store, kind);
    if (offers.empty()) {
        dialogs.message(emptyText(kind), msg::Information);
        return 0;
    }
    int restored = 0;
    for (const auto number : choose(offers)) {
        FileTransaction write(store.dataFolder());
        const auto name = store.restoreRecord(kind, number);
        if (!name) {
            continue;
        }
        if (!write.commit()) {
            store.readRecord(kind, number, true); // the current record as the file holds it
            dialogs.message(failedOperationMessage(), msg::Critical, "Erro");
            break;
        }
        ++restored;
        dialogs.message(doneText(kind, *name), msg::Information);
    }
    return restored;
}

} // namespace tavolim::core
