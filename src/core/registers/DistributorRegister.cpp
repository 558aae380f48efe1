#include "core/registers/DistributorRegister.h"

#include "core/ports/Dialogs.h"
#include "core/ports/Progress.h"
#include "core/registers/NewRecordPrompt.h"
#include "core/registers/SameName.h"
#include "core/state/AppState.h"
#include "core/state/StoreTransaction.h"
#include "core/store/BinaryFile.h"
#include "core/store/DistributorRecord.h"
#include "core/store/StagedFiles.h"
#include "core/store/TapeRecord.h"
#include "core/store/TextHelpers.h"

#include <cstdio>

namespace tavolim::core {
namespace {

// Where TapeRecord keeps its distributor.
constexpr std::size_t kDistribuidorOffset = 72;

std::string code3(std::int32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(code));
    return text;
}

} // namespace

DistributorRegister::DistributorRegister(AppState& state)
    : RegisterModel(state, FileKind::Distributors)
{
}

int DistributorRegister::positionCount() const
{
    return m_state.records().recordCount(FileKind::Distributors);
}

bool DistributorRegister::moveToDistributor(std::int32_t code)
{
    if (!saveIfDirty()) {
        return false;
    }
    showPosition(code);
    return true;
}

bool DistributorRegister::readIntoForm(std::int32_t number)
{
    const auto d = m_state.records().load<DistributorRecord>(number);
    if (isDeletedName(d.Nome)) {
        return true;
    }
    form.NumDist = code3(number);
    form.NomeEmpresa = trim(d.Nome);
    form.Contato = trim(d.Contato);
    form.CGC = trim(d.CGC);
    form.Endereco = trim(d.Endereco);
    form.Bairro = trim(d.Bairro);
    form.CEP = d.CEP == 0 ? std::string() : cepToText(d.CEP);
    form.Cidade = trim(d.Cidade);
    form.Telefone = trim(d.Telefone);
    form.TelCelular = trim(d.TelCelular);
    form.Email = trim(d.Email);
    form.SitioInternet = trim(d.SitioInternet);
    form.Observacoes = m_state.memos().readMemo(d.Observacoes);
    return false;
}

bool DistributorRegister::writeForm()
{
    auto& dialogs = m_state.ports().dialogs;
    auto& records = m_state.records();
    DistributorRecord record =
        isNew() ? DistributorRecord{} : records.load<DistributorRecord>(code());
    if (m_state.options().VerifNomeECod) {
        const std::string before = isNew() ? m_promptName : record.Nome;
        if (trim(form.NomeEmpresa) != trim(before)) {
            const std::string numbers =
                sameNameNumbers(m_state, FileKind::Distributors, form.NomeEmpresa, code());
            if (!numbers.empty()) {
                dialogs.message("O nome do distribuidor já existe.\nN° de registro : " + numbers,
                                msg::Exclamation);
                return false;
            }
        }
    }
    record.Codigo = static_cast<std::int16_t>(code());
    record.Nome = form.NomeEmpresa;
    record.Contato = form.Contato;
    record.CGC = form.CGC;
    record.Endereco = form.Endereco;
    record.Bairro = form.Bairro;
    record.CEP = textToCep(form.CEP);
    record.Cidade = form.Cidade;
    record.Telefone = form.Telefone;
    record.TelCelular = form.TelCelular;
    record.Email = form.Email;
    record.SitioInternet = form.SitioInternet;
    // The note, the memo counters (in the general rules record) and the distributor together.
    StoreTransaction write(m_state);
    m_state.memos().writeMemo(record.Observacoes, form.Observacoes);
    return m_state.saveRules() && records.save(code(), record) && write.commit();
}

bool DistributorRegister::addDistributor()
{
    if (!saveIfDirty()) {
        return false;
    }
    const auto name = askNewRecordName(m_state, NewRecordKind::Distributor);
    if (!name) {
        return false;
    }
    const auto number = m_state.records().nextRecordNumber(FileKind::Distributors).value_or(0);
    if (number < 1 || number > RecordStore::MaxRecords) {
        return false;
    }
    beginNew(number, number);
    form.NumDist = code3(number);
    form.NomeEmpresa = name->name;
    m_promptName = name->name;
    return true;
}

bool DistributorRegister::deleteDistributor()
{
    if (showsDeleted()) {
        showAsDeleted();
        return false;
    }
    if (code() <= 0 || isNew()) {
        return false;
    }
    auto& records = m_state.records();
    const auto stored = records.load<DistributorRecord>(code());
    if (m_state.ports().dialogs.message("Deseja excluir todos os dados de '" + trim(stored.Nome) +
                                            "' ?",
                                        msg::Question + msg::YesNo) != msg::Answer::Yes) {
        return false;
    }
    // The tapes first: when they cannot be rewritten the distributor stays, so no tape is
    // left naming a deleted one.
    if (!clearFromTapes(code())) {
        return false;
    }
    StoreTransaction write(m_state);
    // deleteRecord marks the current record of the kind.
    records.distributor() = stored;
    if (!records.deleteRecord(FileKind::Distributors, code()) || !write.commit()) {
        return false;
    }
    showAsDeleted();
    return true;
}

bool DistributorRegister::clearFromTapes(std::int32_t code)
{
    auto& records = m_state.records();
    const auto file = records.filePath(FileKind::Tapes);
    const auto size = binaryfile::size(file);
    std::size_t got = 0;
    auto tapes = binaryfile::readAt(file, 0, static_cast<std::size_t>(size), &got);
    auto& dialogs = m_state.ports().dialogs;
    const std::string kept = "\nA distribuidora não foi excluída.";
    if (got != size) {
        dialogs.message("Não foi possível ler o arquivo " + file.filename().string() + "." + kept,
                        msg::Critical);
        return false;
    }
    auto& progress = m_state.ports().progress;
    const auto total = static_cast<int>(size / TapeRecord::Size);
    progress.begin("Atualizando Fitas", 0, total);
    int changed = 0;
    for (int n = 0; n < total; ++n) {
        std::uint8_t* field =
            tapes.data() + static_cast<std::size_t>(n) * TapeRecord::Size + kDistribuidorOffset;
        if (static_cast<std::int16_t>(field[0] | (field[1] << 8)) == code) {
            field[0] = field[1] = 0;
            ++changed;
        }
        if ((n + 1) % 1024 == 0) {
            progress.step(n + 1);
        }
    }
    progress.step(total);
    progress.end();
    if (changed == 0) {
        return true;
    }
    StagedFiles staged;
    if (!staged.stage(file, tapes) || !staged.commit()) {
        dialogs.message(staged.failureMessage() + kept, msg::Critical);
        return false;
    }
    if (records.tape().Distribuidor == code) {
        records.tape().Distribuidor = 0;
    }
    return true;
}

} // namespace tavolim::core
