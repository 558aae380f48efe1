#include "core/registers/ClientRegister.h"

#include "core/books/RecordCleanUp.h"
#include "core/ports/Clock.h"
#include "core/ports/Dialogs.h"
#include "core/registers/FamilyRules.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/registers/RecordSearch.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"

namespace tavolim::core {
namespace {

template <class R>
bool owesOrHolds(const R& r)
{
    return r.ValorDevido > Money{} || r.NumFitas > 0;
}

template <class R>
bool hasCredit(const R& r)
{
    return r.ValorPago > r.ValorDevido;
}

} // namespace

ClientRegister::ClientRegister(AppState& state) : RegisterModel(state, FileKind::Clients) {}

int ClientRegister::positionCount() const
{
    return m_state.records().recordCount(FileKind::Clients);
}

bool ClientRegister::readIntoForm(std::int32_t number)
{
    auto& records = m_state.records();
    records.readRecord(FileKind::Clients, number, true);
    const ClientRecord client = records.client();
    if (isDeletedName(client.PrimNome)) {
        return true;
    }
    showPerson(client, form);
    form.NumInsc = std::to_string(number);
    form.Observacoes = m_state.memos().readMemo(client.Observacoes);
    lstDependentes = dependentLines(records, static_cast<std::int16_t>(number));
    return false;
}

void ClientRegister::clearForm()
{
    form = {};
    lstDependentes.clear();
}

bool ClientRegister::writeForm()
{
    auto& records = m_state.records();
    ClientRecord record;
    if (!isNew()) {
        records.readRecord(FileKind::Clients, code(), true);
        record = records.client();
        const bool renamed = trim(form.PrimNome) != trim(record.PrimNome) ||
                             trim(form.SobreNome) != trim(record.SobreNome);
        if (renamed && m_state.options().VerifNomeECod &&
            refuseDuplicateName(m_state, form.PrimNome, form.SobreNome, code(), 0)) {
            return false;
        }
    }
    applyPerson(form, record);
    record.Codigo = static_cast<std::int16_t>(code());
    // The memo counters live in the general rules record.
    m_state.memos().writeMemo(record.Observacoes, form.Observacoes);
    m_state.saveRules();
    records.client() = record;
    return records.writeRecord(FileKind::Clients, code());
}

bool ClientRegister::addHolder()
{
    if (!saveIfDirty()) {
        return false;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Client);
    if (!name) {
        return false;
    }
    const auto number = m_state.records().nextRecordNumber(FileKind::Clients).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return false;
    }
    beginNew(number, number);
    form.PrimNome = name->name;
    form.SobreNome = name->surname;
    form.NumInsc = std::to_string(number);
    const auto& clock = m_state.ports().clock;
    form.DataInsc = registrationDate(clock.today());
    form.HoraInsc = registrationTime(clock.timeOfDay());
    return true;
}

std::optional<int> ClientRegister::addDependent()
{
    auto& dialogs = m_state.ports().dialogs;
    if (code() <= 0 || showsDeleted() || trim(form.PrimNome).empty()) {
        dialogs.message("É necessário ter um cliente responsável para inserir um cliente "
                        "dependente.\nSelecione primeiro um cliente responsável.",
                        msg::Exclamation);
        return std::nullopt;
    }
    // A holder never saved has no record to list the dependent in.
    if (!saveIfDirty()) {
        return std::nullopt;
    }
    auto& records = m_state.records();
    records.readRecord(FileKind::Clients, code(), true);
    if (records.client().depCount() >= ClientRecord::MaxDependents) {
        dialogs.message("Este cliente já possui 10 dependentes, o número máximo permitido.",
                        msg::Exclamation);
        return std::nullopt;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Client);
    if (!name) {
        return std::nullopt;
    }
    const auto position = createDependent(m_state, static_cast<std::int16_t>(code()), *name);
    lstDependentes = dependentLines(records, static_cast<std::int16_t>(code()));
    return position;
}

bool ClientRegister::deleteHolder()
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
    if (isNew()) {
        discardNew("Este cliente ainda não foi salvo.\nDeseja descartar o que foi digitado ?");
        return false;
    }
    records.readRecord(FileKind::Clients, code(), true);
    const ClientRecord holder = records.client();
    if (typedCode(form.NumInsc) != code() || holder.Codigo != code()) {
        dialogs.message("O Código do cliente está diferente do código interno. Operação "
                        "cancelada.\r\nPor favor, contate-nos deste erro.",
                        msg::Critical);
        return false;
    }
    std::vector<DependentRecord> family;
    for (int i = 0; i < holder.depCount(); ++i) {
        records.readRecord(FileKind::Dependents, holder.Dep[static_cast<std::size_t>(i)], true);
        family.push_back(records.dependent());
    }
    const std::string first = trim(holder.PrimNome);
    const std::string who = " O(A) cliente " + first + ", e/ou um(a) de seus(suas) dependentes, ";
    bool owes = owesOrHolds(holder);
    bool credit = hasCredit(holder);
    for (const auto& d : family) {
        owes = owes || owesOrHolds(d);
        credit = credit || hasCredit(d);
    }
    if (owes) {
        dialogs.message(who + "possuem débitos e/ou fitas locadas" +
                            ", portanto não pode ser excluído(a).",
                        msg::Exclamation);
        return false;
    }
    if (credit) {
        dialogs.message(who + "podem possuir saldo.", msg::Exclamation);
        return false;
    }
    if (dialogs.message("Deseja excluir todos os dados de '" + first +
                            "', inclusive de seus dependentes ?",
                        msg::Question + msg::YesNoCancel) != msg::Answer::Yes) {
        return false;
    }
    auto& progress = m_state.ports().progress;
    StoreTransaction write(m_state);
    // Each deletion moves the last dependent into the freed slot, so the first slot is
    // always the next one.
    for (;;) {
        records.readRecord(FileKind::Clients, code(), true);
        if (records.client().depCount() == 0) {
            break;
        }
        records.readRecord(FileKind::Dependents, records.client().Dep[0], true);
        const auto gone = records.deleteRecord(FileKind::Dependents, 1);
        if (!gone) {
            break;
        }
        cleanUpDeletedRecord(records, progress, FileKind::Dependents, *gone);
    }
    records.readRecord(FileKind::Clients, code(), true);
    if (const auto gone = records.deleteRecord(FileKind::Clients, code())) {
        cleanUpDeletedRecord(records, progress, FileKind::Clients, *gone);
    }
    if (!write.commit()) {
        return false;
    }
    showAsDeleted();
    return true;
}

} // namespace tavolim::core
