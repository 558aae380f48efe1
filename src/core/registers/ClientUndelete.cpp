#include "core/registers/ClientUndelete.h"

#include "core/ports/Dialogs.h"
#include "core/registers/FamilyRules.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/DeletedNameTails.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {
namespace {

// Dependent numbers share the chooser with client numbers: they travel negated.
constexpr std::int32_t asDependent(std::int32_t number)
{
    return -number;
}

std::string done(const std::string& name)
{
    return "Registro de '" + name + "' recuperado com sucesso!";
}

enum class Restore { Cancel, AsHolder, AsDependent };

Restore askHow(AppState& state, const std::string& name, const std::string& holder)
{
    auto& dialogs = state.ports().dialogs;
    const std::string text = name + " é um(a) cliente dependente.\n" +
                             (holder.empty() ? std::string()
                                             : "Se recuperado(a) como cliente "
                                               "dependente o(a) responsável será " +
                                                   holder + ".\n") +
                             "\nRecuperar cliente como:";
    switch (dialogs.choose(text, "Recuperar Cliente", "&Cancelar", "&Respons.", "&Depend.")) {
    case 2:
        return Restore::AsHolder;
    case 3:
        return Restore::AsDependent;
    default:
        return Restore::Cancel;
    }
}

// The holder a dependent would go back to: alive, by name; empty when gone.
std::string livingHolderName(RecordStore& records, std::int16_t holder)
{
    if (holder < 1 || holder > records.recordCount(FileKind::Clients) ||
        records.isDeletedOnDisk(FileKind::Clients, holder)) {
        return {};
    }
    records.readRecord(FileKind::Clients, holder, true);
    return joinFullName(records.client().PrimNome, records.client().SobreNome);
}

bool restoreDependentAsHolder(AppState& state, std::int32_t number)
{
    auto& records = state.records();
    const auto free = records.nextRecordNumber(FileKind::Clients).value_or(0);
    if (free < 1 || free > RecordStore::MaxRecords) {
        return false;
    }
    records.readRecord(FileKind::Dependents, number, true);
    DependentRecord d = records.dependent();
    d.PrimNome = unmarkDeletedName(
        d.PrimNome, DeletedNameTails(state.dataFolder()).take(FileKind::Dependents, number),
        DependentRecord::NameWidth);
    const auto code = static_cast<std::int16_t>(free);
    StoreTransaction write(state);
    records.client() = clientFromDependent(d, code);
    records.writeRecord(FileKind::Clients, code);
    records.removeDeleted(FileKind::Clients, code);
    DeletedNameTails(state.dataFolder()).take(FileKind::Clients, code);

    // The dependent number stays free for reuse; a bare "#" keeps it off the offers.
    records.dependent() = DependentRecord{};
    records.dependent().PrimNome = "#";
    records.writeRecord(FileKind::Dependents, number);
    if (!write.commit()) {
        return false;
    }
    state.ports().dialogs.message(done(joinFullName(d.PrimNome, d.SobreNome)) +
                                      "\nO novo código é: " + std::to_string(code),
                                  msg::Information);
    return true;
}

bool restoreDependentToHolder(AppState& state, std::int32_t number, std::int16_t holder)
{
    auto& records = state.records();
    auto& dialogs = state.ports().dialogs;
    records.readRecord(FileKind::Clients, holder, true);
    if (records.client().depCount() >= ClientRecord::MaxDependents) {
        dialogs.message("O(A) cliente responsável já possui 10 dependentes, o número máximo "
                        "permitido.",
                        msg::Exclamation);
        return false;
    }
    StoreTransaction write(state);
    const auto name = records.restoreRecord(FileKind::Dependents, number);
    if (!name) {
        return false;
    }
    const std::string surname = records.dependent().SobreNome;
    records.readRecord(FileKind::Clients, holder, true);
    ClientRecord& c = records.client();
    const int count = c.depCount();
    c.Dep[static_cast<std::size_t>(count)] = static_cast<std::int16_t>(number);
    c.NumDep = static_cast<std::int16_t>(count + 1);
    records.writeRecord(FileKind::Clients, holder);
    if (!write.commit()) {
        return false;
    }
    dialogs.message(done(joinFullName(*name, surname)), msg::Information);
    return true;
}

bool restoreDependent(AppState& state, std::int32_t number)
{
    auto& records = state.records();
    records.readRecord(FileKind::Dependents, number, true);
    const DependentRecord d = records.dependent();
    const std::string name = joinFullName(d.PrimNome.substr(1), d.SobreNome);
    const std::string holder = livingHolderName(records, d.Titular);
    switch (askHow(state, name, holder)) {
    case Restore::AsHolder:
        return restoreDependentAsHolder(state, number);
    case Restore::AsDependent:
        if (holder.empty()) {
            state.ports().dialogs.message(
                "O(a) responsável deste(a) dependente foi excluído(a). Recupere-o(a) como "
                "responsável ou recupere antes o(a) responsável.",
                msg::Exclamation);
            return false;
        }
        return restoreDependentToHolder(state, number, d.Titular);
    case Restore::Cancel:
        break;
    }
    return false;
}

} // namespace

int undeleteClients(AppState& state, const UndeleteChooser& choose)
{
    auto& records = state.records();
    std::vector<UndeleteOffer> offers = undeleteOffers(records, FileKind::Clients);
    for (UndeleteOffer offer : undeleteOffers(records, FileKind::Dependents)) {
        if (offer.text.size() <= 6) {
            continue; // a number freed by a move to holder, no longer a person
        }
        offer.number = asDependent(offer.number);
        offer.text += " (dependente)";
        offers.push_back(std::move(offer));
    }
    if (offers.empty()) {
        state.ports().dialogs.message("Não há clientes excluídos.", msg::Information);
        return 0;
    }
    int restored = 0;
    for (const std::int32_t pick : choose(offers)) {
        if (pick < 0) {
            restored += restoreDependent(state, -pick) ? 1 : 0;
            continue;
        }
        StoreTransaction write(state);
        const auto name = records.restoreRecord(FileKind::Clients, pick);
        if (name && write.commit()) {
            ++restored;
            state.ports().dialogs.message(done(joinFullName(*name, records.client().SobreNome)),
                                          msg::Information);
        }
    }
    return restored;
}

} // namespace tavolim::core
