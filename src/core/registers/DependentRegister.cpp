#include "core/registers/DependentRegister.h"

#include "core/books/RecordCleanUp.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/registers/FamilyRules.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/DeletedNameTails.h"

#include <algorithm>

namespace tavolim::core {
namespace {

// Every reservation and last-client slot naming the dependent names the new holder instead.
bool repointSlots(TapeRecord& tape, std::int16_t dependent, std::int16_t client)
{
    bool changed = false;
    const int reservations = clampCount(tape.NumReservas, TapeRecord::MaxReservations);
    for (std::size_t i = 0; i < static_cast<std::size_t>(reservations); ++i) {
        if (tape.ReservaCliente[i] == dependent && !tape.ReservaTitular[i]) {
            tape.ReservaCliente[i] = client;
            tape.ReservaTitular[i] = true;
            changed = true;
        }
    }
    for (std::size_t i = 0; i < tape.UltCliente.size(); ++i) {
        if (tape.UltCliente[i] == dependent && !tape.UltTitular[i]) {
            tape.UltCliente[i] = client;
            tape.UltTitular[i] = true;
            changed = true;
        }
    }
    return changed;
}

} // namespace

DependentRegister::DependentRegister(AppState& state, std::int16_t holder)
    : RegisterModel(state, FileKind::Dependents), m_holder(holder)
{
}

int DependentRegister::positionCount() const
{
    auto& records = m_state.records();
    records.readRecord(FileKind::Clients, m_holder, true);
    return records.client().depCount();
}

std::int32_t DependentRegister::numberAt(int position) const
{
    if (position < 1 || position > positionCount()) {
        return 0;
    }
    return m_state.records().client().Dep[static_cast<std::size_t>(position - 1)];
}

bool DependentRegister::readIntoForm(std::int32_t number)
{
    auto& records = m_state.records();
    records.readRecord(FileKind::Dependents, number, true);
    const DependentRecord& d = records.dependent();
    if (isDeletedName(d.PrimNome)) {
        return true;
    }
    showPerson(d, form);
    form.Observacoes = m_state.memos().readMemo(d.Observacoes);
    return false;
}

void DependentRegister::clearForm()
{
    form = {};
    form.NumInsc = std::to_string(m_holder);
}

bool DependentRegister::writeForm()
{
    auto& records = m_state.records();
    records.readRecord(FileKind::Dependents, code(), true);
    DependentRecord record = records.dependent();
    const bool renamed = trim(form.PrimNome) != trim(record.PrimNome) ||
                         trim(form.SobreNome) != trim(record.SobreNome);
    if (renamed && m_state.options().VerifNomeECod &&
        refuseDuplicateName(m_state, form.PrimNome, form.SobreNome, 0, code())) {
        return false;
    }
    applyPerson(form, record);
    record.Codigo = static_cast<std::int16_t>(code());
    // The memo counters live in the general rules record.
    m_state.memos().writeMemo(record.Observacoes, form.Observacoes);
    m_state.saveRules();
    records.dependent() = record;
    return records.writeRecord(FileKind::Dependents, code());
}

bool DependentRegister::addDependent()
{
    if (!saveIfDirty()) {
        return false;
    }
    if (positionCount() >= ClientRecord::MaxDependents) {
        m_state.ports().dialogs.message(
            "O(A) cliente responsável já possui 10 dependentes, o número máximo permitido.",
            msg::Exclamation);
        return false;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Client);
    if (!name) {
        return false;
    }
    const auto position = createDependent(m_state, m_holder, *name);
    if (!position) {
        return false;
    }
    showPosition(*position);
    return true;
}

bool DependentRegister::deleteDependent()
{
    auto& dialogs = m_state.ports().dialogs;
    auto& records = m_state.records();
    if (showsDeleted()) {
        showAsDeleted();
        return false;
    }
    if (trim(form.PrimNome).empty() || code() <= 0) {
        dialogs.message("Não há um cliente selecionado.", msg::Information);
        return false;
    }
    records.readRecord(FileKind::Dependents, code(), true);
    const DependentRecord d = records.dependent();
    const std::string who = " O(A) cliente " + trim(d.PrimNome);
    const std::string refused = ", portanto não pode ser excluído(a).";
    if (d.ValorDevido > Money{} || d.NumFitas > 0) {
        dialogs.message(who + " possui débitos e/ou fitas locadas" + refused, msg::Exclamation);
        return false;
    }
    if (d.ValorPago > d.ValorDevido) {
        dialogs.message(who + " possui saldo" + refused, msg::Exclamation);
        return false;
    }
    if (dialogs.message("Deseja excluir todos os dados de '" + trim(d.PrimNome) + " " +
                            trim(d.SobreNome) + "' ?",
                        msg::Question + msg::YesNoCancel) != msg::Answer::Yes) {
        return false;
    }
    StoreTransaction write(m_state);
    // The holder must be the current client: the deletion takes the dependent off its list.
    records.readRecord(FileKind::Clients, m_holder, true);
    records.readRecord(FileKind::Dependents, code(), true);
    const auto gone = records.deleteRecord(FileKind::Dependents, position());
    if (!gone) {
        return false;
    }
    cleanUpDeletedRecord(records, m_state.ports().progress, FileKind::Dependents, *gone);
    if (!write.commit()) {
        return false;
    }
    showAsDeleted();
    return true;
}

std::optional<std::int32_t> DependentRegister::makeHolder()
{
    if (showsDeleted() || code() <= 0) {
        return std::nullopt;
    }
    auto& dialogs = m_state.ports().dialogs;
    auto& records = m_state.records();
    records.readRecord(FileKind::Dependents, code(), true);
    const DependentRecord d = records.dependent();
    const std::string name = joinFullName(d.PrimNome, d.SobreNome);
    if (dialogs.message("Deseja tornar o(a) cliente '" + name + "' um(a) cliente titular ?",
                        msg::Question + msg::YesNoCancel) != msg::Answer::Yes) {
        return std::nullopt;
    }
    const auto number = records.nextRecordNumber(FileKind::Clients).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return std::nullopt;
    }
    const auto client = static_cast<std::int16_t>(number);
    const auto self = static_cast<std::int16_t>(code());
    StoreTransaction write(m_state);

    for (int i = 0; i < d.tapeCount(); ++i) {
        const auto tape = d.Fitas[static_cast<std::size_t>(i)];
        if (tape < 1) {
            continue;
        }
        records.readRecord(FileKind::Tapes, tape, true);
        records.tape().ClienteFita = client;
        records.tape().ClienteTitular = true;
        records.writeRecord(FileKind::Tapes, tape);
    }

    records.client() = clientFromDependent(d, client);
    records.writeRecord(FileKind::Clients, client);
    records.removeDeleted(FileKind::Clients, client);
    DeletedNameTails(m_state.dataFolder()).take(FileKind::Clients, client);

    records.readRecord(FileKind::Clients, m_holder, true);
    ClientRecord& old = records.client();
    const int count = old.depCount();
    const auto end = old.Dep.begin() + count;
    if (const auto at = std::find(old.Dep.begin(), end, self); at != end) {
        std::copy(at + 1, end, at);
        old.Dep[static_cast<std::size_t>(count - 1)] = 0;
        old.NumDep = static_cast<std::int16_t>(count - 1);
        records.writeRecord(FileKind::Clients, m_holder);
    }

    {
        ScopedWait wait(&m_state.ports().progress, "Atualizando Fitas");
        std::vector<std::int32_t> changed;
        records.scan<TapeRecord>(FileKind::Tapes, [&](std::int32_t n, const TapeRecord& t) {
            TapeRecord copy = t;
            if (repointSlots(copy, self, client)) {
                changed.push_back(n);
            }
        });
        for (const auto n : changed) {
            records.readRecord(FileKind::Tapes, n, true);
            repointSlots(records.tape(), self, client);
            records.writeRecord(FileKind::Tapes, n);
        }
    }

    // The person lives on as the holder: the old dependent record is marked and its number
    // freed, keeping its histories, which now belong to the holder.
    records.dependent() = d;
    records.dependent().PrimNome = markDeletedName(d.PrimNome, DependentRecord::NameWidth, nullptr);
    records.dependent().RegHistFita = 0;
    records.dependent().RegHistProd = 0;
    records.writeRecord(FileKind::Dependents, self);
    records.addDeleted(FileKind::Dependents, self);
    if (!write.commit()) {
        return std::nullopt;
    }

    dialogs.message("O novo código de '" + name + "' é:" + std::to_string(client),
                    msg::Information);
    records.readRecord(FileKind::Clients, client, true);
    return client;
}

} // namespace tavolim::core
