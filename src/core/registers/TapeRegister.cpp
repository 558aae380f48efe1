#include "core/registers/TapeRegister.h"

#include "core/books/RecordCleanUp.h"
#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/registers/NameMatch.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/registers/TapeCast.h"
#include "core/registers/TapeCirculation.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/TapeReservations.h"
#include "core/store/TextHelpers.h"

namespace tavolim::core {

TapeRegister::TapeRegister(AppState& state) : RegisterModel(state, FileKind::Tapes)
{
    loadLists();
}

void TapeRegister::loadLists()
{
    auto& records = m_state.records();
    const auto& rules = records.rules();
    for (int i = 0; i < rules.sectionCount(); ++i) {
        m_lists.sections.push_back(trim(rules.Secoes[static_cast<std::size_t>(i)]));
    }
    records.scan<LabelRecord>(FileKind::Labels, [&](std::int32_t, const LabelRecord& r) {
        m_lists.labels.push_back(trim(r.Nome));
    });
    records.scan<MediaRecord>(FileKind::Media, [&](std::int32_t, const MediaRecord& r) {
        m_lists.media.push_back(trim(r.Nome));
    });
    records.scan<DistributorRecord>(FileKind::Distributors, [&](std::int32_t,
                                                                const DistributorRecord& r) {
        m_lists.distributors.push_back(isDeletedName(r.Nome) ? std::string("#") + DeletedText + "#"
                                                             : trim(r.Nome));
    });
}

int TapeRegister::positionCount() const
{
    return m_state.records().recordCount(FileKind::Tapes);
}

bool TapeRegister::moveToTape(std::int32_t code)
{
    if (!saveIfDirty()) {
        return false;
    }
    showPosition(code);
    return true;
}

bool TapeRegister::readIntoForm(std::int32_t number)
{
    auto& records = m_state.records();
    records.readRecord(FileKind::Tapes, number, true);
    const TapeRecord tape = records.tape();
    if (isDeletedName(tape.Nome)) {
        return true;
    }
    form = {};
    showTape(tape, form);
    form.Diretor = actorName(records, tape.Diretor);
    form.Atores = castOf(records, tape);
    TapeRecord where = tape;
    form.Sinopse = m_state.synopses().readSynopsis(where.Sinopse, where.TamSinopse);
    form.Observacoes = m_state.memos().readMemo(tape.Observacoes);
    showCirculation(m_state, tape, form);
    records.tape() = tape;
    return false;
}

bool TapeRegister::refuseDuplicateTitle()
{
    std::string numbers;
    {
        ScopedWait wait(&m_state.ports().progress, "Verificando Repetição de Nomes...");
        const NameMatch same(form.Nome, false, TapeRecord::NameWidth);
        m_state.records().scanRaw(
            FileKind::Tapes, [&](std::int32_t n, std::span<const std::uint8_t> r) {
                const auto name = r.subspan(TapeRecord::NameOffset, TapeRecord::NameWidth);
                if (n != code() && name[0] != '#' && same.matches(name)) {
                    numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
                }
            });
    }
    if (numbers.empty()) {
        return false;
    }
    m_state.ports().dialogs.message("O nome da fita já existe.\nN° de registro : " + numbers,
                                    msg::Exclamation);
    return true;
}

bool TapeRegister::writeForm()
{
    auto& dialogs = m_state.ports().dialogs;
    if (form.Selo < 1) {
        dialogs.message("A fita deve estar ligada a algum selo.", msg::Exclamation);
        return false;
    }
    if (form.Midia < 1) {
        dialogs.message("A fita deve estar ligada a alguma mídia.", msg::Exclamation);
        return false;
    }
    auto& records = m_state.records();
    TapeRecord record;
    if (!isNew()) {
        records.readRecord(FileKind::Tapes, code(), true);
        record = records.tape();
    }
    if (m_state.options().VerifNomeECod) {
        // A new tape's title was checked at the name prompt; a later edit is checked here.
        const std::string before = isNew() ? m_promptTitle : record.Nome;
        if (trim(form.Nome) != trim(before) && refuseDuplicateTitle()) {
            return false;
        }
        if (trim(form.CodigoB) != trim(record.CodigoBarras) &&
            checkBarcode() != BarcodeVerdict::Accepted) {
            return false;
        }
    }
    applyTape(form, record);
    record.Codigo = static_cast<std::int16_t>(code());
    record.Diretor = directorNumber(records, form.Diretor);
    m_state.synopses().writeSynopsis(record.Sinopse, record.TamSinopse, form.Sinopse);
    m_state.memos().writeMemo(record.Observacoes, form.Observacoes);
    // The synopsis and memo counters live in the general rules record.
    m_state.saveRules();
    records.tape() = record;
    return records.writeRecord(FileKind::Tapes, code());
}

bool TapeRegister::addTape()
{
    if (!saveIfDirty()) {
        return false;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Tape);
    if (!name) {
        return false;
    }
    const auto number = m_state.records().nextRecordNumber(FileKind::Tapes).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return false;
    }
    beginNew(number, number);
    TapeRecord blank;
    blank.Codigo = static_cast<std::int16_t>(number);
    showTape(blank, form);
    // An empty date box takes the typed date as it comes.
    form.DataCompra.clear();
    form.Nome = name->name;
    m_promptTitle = name->name;
    return true;
}

bool TapeRegister::deleteTape()
{
    if (showsDeleted()) {
        showAsDeleted();
        return false;
    }
    if (code() <= 0) {
        return false;
    }
    if (isNew()) {
        discardNew("Esta fita ainda não foi salva.\nDeseja descartar o que foi digitado ?");
        return false;
    }
    auto& records = m_state.records();
    auto& dialogs = m_state.ports().dialogs;
    records.readRecord(FileKind::Tapes, code(), true);
    if (records.tape().isRented()) {
        dialogs.message("A fita selecionada está locada e portanto não pode ser excluída.",
                        msg::Exclamation);
        return false;
    }
    if (dialogs.message("Deseja excluir todos os dados da fita '" + trim(records.tape().Nome) +
                            "' ?",
                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    StoreTransaction write(m_state);
    const auto gone = records.deleteRecord(FileKind::Tapes, code());
    if (!gone) {
        return false;
    }
    cleanUpDeletedRecord(records, m_state.ports().progress, FileKind::Tapes, *gone);
    if (!write.commit()) {
        return false;
    }
    showAsDeleted();
    return true;
}

BarcodeVerdict TapeRegister::checkBarcode()
{
    return core::checkBarcode(m_state, FileKind::Tapes, form.CodigoB, code());
}

bool TapeRegister::readyForCast()
{
    return code() > 0 && !showsDeleted() && saveIfDirty();
}

bool TapeRegister::addActor()
{
    if (!readyForCast() || !core::addActor(m_state, static_cast<std::int16_t>(code()), form.Ator)) {
        return false;
    }
    showPosition(position());
    return true;
}

bool TapeRegister::removeActor(std::size_t index)
{
    if (index >= form.Atores.size() || !readyForCast() ||
        !core::removeActor(m_state, static_cast<std::int16_t>(code()),
                           static_cast<int>(index) + 1)) {
        return false;
    }
    showPosition(position());
    return true;
}

bool TapeRegister::completeActorName(const ListChooser& choose)
{
    const auto name = core::completeActorName(m_state, form.Ator, choose);
    if (name) {
        form.Ator = *name;
    }
    return name.has_value();
}

std::optional<std::int32_t> TapeRegister::tapesWithActor(std::size_t index,
                                                         const ListChooser& choose)
{
    const std::int16_t actor = index < form.Atores.size() ? form.Atores[index].actor : 0;
    return core::tapesWithActor(m_state, actor, code(), choose);
}

std::optional<std::int32_t> TapeRegister::filmsWithDirector(const ListChooser& choose)
{
    return core::filmsWithDirector(m_state, form.Diretor, code(), choose);
}

bool TapeRegister::cancelReservation(std::size_t index)
{
    if (code() <= 0 || showsDeleted()) {
        return false;
    }
    auto& records = m_state.records();
    records.readRecord(FileKind::Tapes, code(), true);
    const TapeRecord stored = records.tape();
    if (index >= static_cast<std::size_t>(stored.reservationCount())) {
        return false;
    }
    const std::string name =
        circulationPerson(records, stored.ReservaCliente[index], stored.ReservaTitular[index]);
    if (m_state.ports().dialogs.message("Deseja anular a reserva da fita para " + name + " ?",
                                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    // By its place, not by person: one person may hold two dates.
    TapeRecord tape = stored;
    if (!removeReservation(tape, static_cast<int>(index) + 1)) {
        return false;
    }
    StoreTransaction write(m_state);
    records.save(code(), tape);
    if (!write.commit()) {
        return false;
    }
    // The typed edits stay; only the circulation part is shown afresh.
    showCirculation(m_state, tape, form);
    return true;
}

std::optional<PersonRef> TapeRegister::personWithTape()
{
    if (code() <= 0 || showsDeleted()) {
        return std::nullopt;
    }
    auto& records = m_state.records();
    records.readRecord(FileKind::Tapes, code(), true);
    const TapeRecord& tape = records.tape();
    if (!tape.isRented()) {
        return std::nullopt;
    }
    return PersonRef{tape.ClienteFita, tape.ClienteTitular};
}

} // namespace tavolim::core
